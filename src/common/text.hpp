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

} // namespace sorvanta
