#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace sorvanta {

// Texts travel through the engine as UTF-8; every rule that counts or
// replaces characters works on code points, so one Chinese character is one
// character, never three bytes.
std::u32string DecodeUtf8(std::string_view text);
std::string EncodeUtf8(std::u32string_view text);

// The UTF-8 sequence that starts at text[at]. `length` is 0 when the bytes
// there have no sequence's shape (a stray continuation byte, a lead byte
// without its continuation bytes); `wellFormed` is whether the sequence is
// also one UTF-8 allows: no overlong form, no surrogate, nothing past
// U+10FFFF.
struct Utf8Sequence {
    std::size_t length = 0;
    char32_t value = 0;
    bool wellFormed = false;
};
Utf8Sequence ReadUtf8Sequence(std::string_view text, std::size_t at);

// Whether the text is nothing but well-formed UTF-8 sequences.
bool IsValidUtf8(std::string_view text);

// The characters of a UTF-8 text as a message counts them: every byte that
// is not a continuation byte.
std::size_t CountCharacters(std::string_view text);

// A message as one line: line breaks shown as \n and \r, other control
// characters as a blank, so a quoted value can never break a message apart.
std::string OneLine(std::string_view message);

// Every character of `source` not in `allowed` becomes a blank; the result is
// trimmed and every run of blanks collapsed to one blank.
std::string only_str(std::string_view source, std::string_view allowed);

// only_str with the ten ASCII digits as the allowed set: the usual first step
// of every condition that takes typed numbers.
std::string DigitsOnly(std::string_view source);

// The leading-number rule every box that holds a number is read by: leading
// U+0020 blanks skipped, then [+|-]digits[.digits] with the sign touching
// the digits, no exponent, rounded half to even; anything else reads 0.
// Values beyond the 32-bit range saturate.
std::int32_t ReadLeadingNumber(std::string_view text);

// Percent-escaping of UTF-16 code units as the HTTP helper sends its data:
// unreserved characters stay, codes below 255 become %XX, others %uXXXX.
std::string Escape(std::u16string_view text);

// Splits at single blanks (the form only_str leaves) into pieces.
template <typename Fn> void ForEachPiece(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        if (end > start)
            fn(text.substr(start, end - start));
        start = end + 1;
    }
}

// The pieces DigitsOnly would leave, without building its text: the
// maximal runs of ASCII digits, every other character separating them.
template <typename Fn> void ForEachDigitRun(std::string_view text, Fn&& fn) {
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        while (i < n && (text[i] < '0' || text[i] > '9'))
            ++i;
        const std::size_t start = i;
        while (i < n && text[i] >= '0' && text[i] <= '9')
            ++i;
        if (i > start)
            fn(text.substr(start, i - start));
    }
}

} // namespace sorvanta
