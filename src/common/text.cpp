#include "common/text.hpp"

#include <limits>

namespace sorvanta {

Utf8Sequence ReadUtf8Sequence(std::string_view text, std::size_t at) {
    const auto lead = static_cast<unsigned char>(text[at]);
    if (lead < 0x80)
        return {1, lead, true};
    std::size_t length = 0;
    char32_t value = 0;
    if ((lead & 0xE0) == 0xC0) {
        length = 2;
        value = lead & 0x1F;
    } else if ((lead & 0xF0) == 0xE0) {
        length = 3;
        value = lead & 0x0F;
    } else if ((lead & 0xF8) == 0xF0) {
        length = 4;
        value = lead & 0x07;
    } else {
        return {};
    }
    if (at + length > text.size())
        return {};
    for (std::size_t k = 1; k < length; ++k) {
        const auto b = static_cast<unsigned char>(text[at + k]);
        if ((b & 0xC0) != 0x80)
            return {};
        value = (value << 6) | (b & 0x3F);
    }
    static constexpr char32_t kLeast[5] = {0, 0, 0x80, 0x800, 0x10000};
    const bool wellFormed =
        value >= kLeast[length] && value <= 0x10FFFF && (value < 0xD800 || value > 0xDFFF);
    return {length, value, wellFormed};
}

bool IsValidUtf8(std::string_view text) {
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Sequence sequence = ReadUtf8Sequence(text, i);
        if (!sequence.wellFormed)
            return false;
        i += sequence.length;
    }
    return true;
}

std::size_t CountCharacters(std::string_view text) {
    std::size_t count = 0;
    for (char c : text)
        count += (static_cast<unsigned char>(c) & 0xC0) != 0x80 ? 1 : 0;
    return count;
}

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const Utf8Sequence sequence = ReadUtf8Sequence(text, i);
        if (sequence.length == 0) {
            // A broken sequence stands for one unknown character; the next
            // byte is read afresh so no valid character is swallowed.
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        // Texts from boxes and scheme files are always well formed; an
        // overlong form that reaches here still reads as its value.
        out.push_back(sequence.value);
        i += sequence.length;
    }
    return out;
}

std::string EncodeUtf8(std::u32string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char32_t cp : text) {
        if (cp < 0x80) {
            out.push_back(static_cast<char>(cp));
        } else if (cp < 0x800) {
            out.push_back(static_cast<char>(0xC0 | (cp >> 6)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else if (cp < 0x10000) {
            out.push_back(static_cast<char>(0xE0 | (cp >> 12)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        } else {
            out.push_back(static_cast<char>(0xF0 | (cp >> 18)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 12) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | ((cp >> 6) & 0x3F)));
            out.push_back(static_cast<char>(0x80 | (cp & 0x3F)));
        }
    }
    return out;
}

namespace {

// Collapses blanks while copying the characters the predicate keeps; shared
// by the general filter and the fast ASCII-digit path.
template <typename Keep> std::string FilterAndCollapse(const std::u32string& chars, Keep keep) {
    std::u32string out;
    out.reserve(chars.size());
    bool pendingBlank = false;
    for (char32_t c : chars) {
        const bool kept = keep(c) && c != U' ';
        if (!kept) {
            pendingBlank = !out.empty();
            continue;
        }
        if (pendingBlank) {
            out.push_back(U' ');
            pendingBlank = false;
        }
        out.push_back(c);
    }
    return EncodeUtf8(out);
}

} // namespace

std::string only_str(std::string_view source, std::string_view allowed) {
    const std::u32string allowedChars = DecodeUtf8(allowed);
    return FilterAndCollapse(DecodeUtf8(source), [&](char32_t c) {
        return allowedChars.find(c) != std::u32string::npos;
    });
}

std::string DigitsOnly(std::string_view source) {
    std::string out;
    out.reserve(source.size());
    bool pendingBlank = false;
    for (char ch : source) {
        if (ch >= '0' && ch <= '9') {
            if (pendingBlank) {
                out.push_back(' ');
                pendingBlank = false;
            }
            out.push_back(ch);
        } else if (!out.empty()) {
            // Any non-ASCII byte is part of a non-digit character, so byte
            // and character filtering agree here.
            pendingBlank = true;
        }
    }
    return out;
}

std::int32_t ReadLeadingNumber(std::string_view text) {
    std::size_t i = 0;
    while (i < text.size() && text[i] == ' ')
        ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) {
        negative = text[i] == '-';
        ++i;
    }
    auto isDigit = [&](std::size_t k) {
        return k < text.size() && text[k] >= '0' && text[k] <= '9';
    };
    const std::size_t intStart = i;
    constexpr std::int64_t cap = std::int64_t{1} << 40;
    std::int64_t whole = 0;
    while (isDigit(i)) {
        if (whole < cap)
            whole = whole * 10 + (text[i] - '0');
        ++i;
    }
    const bool hasInt = i > intStart;
    // Compare the fraction with one half: above, exactly, or below.
    int half = -1;
    bool hasFrac = false;
    if (i < text.size() && text[i] == '.') {
        std::size_t k = i + 1;
        if (isDigit(k)) {
            hasFrac = true;
            const int first = text[k] - '0';
            ++k;
            bool restNonZero = false;
            while (isDigit(k)) {
                if (text[k] != '0')
                    restNonZero = true;
                ++k;
            }
            if (first > 5 || (first == 5 && restNonZero))
                half = 1;
            else if (first == 5)
                half = 0;
        }
    }
    if (!hasInt && !hasFrac)
        return 0;
    if (half > 0 || (half == 0 && (whole % 2) == 1))
        ++whole;
    std::int64_t value = negative ? -whole : whole;
    if (value > std::numeric_limits<std::int32_t>::max())
        value = std::numeric_limits<std::int32_t>::max();
    if (value < std::numeric_limits<std::int32_t>::min())
        value = std::numeric_limits<std::int32_t>::min();
    return static_cast<std::int32_t>(value);
}

std::string OneLine(std::string_view message) {
    std::string line;
    line.reserve(message.size());
    for (char c : message) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (static_cast<unsigned char>(c) < 0x20)
            line += ' ';
        else
            line += c;
    }
    return line;
}

std::string Escape(std::u16string_view text) {
    static constexpr char hex[] = "0123456789ABCDEF";
    std::string out;
    out.reserve(text.size() * 3);
    for (char16_t c : text) {
        const bool plain = (c >= u'0' && c <= u'9') || (c >= u'a' && c <= u'z') ||
                           (c >= u'A' && c <= u'Z') ||
                           std::u16string_view(u"-_.!~*'()").find(c) != std::u16string_view::npos;
        if (plain) {
            out.push_back(static_cast<char>(c));
        } else if (c < 255) {
            out.push_back('%');
            out.push_back(hex[(c >> 4) & 0xF]);
            out.push_back(hex[c & 0xF]);
        } else {
            out += "%u";
            out.push_back(hex[(c >> 12) & 0xF]);
            out.push_back(hex[(c >> 8) & 0xF]);
            out.push_back(hex[(c >> 4) & 0xF]);
            out.push_back(hex[c & 0xF]);
        }
    }
    return out;
}

} // namespace sorvanta
