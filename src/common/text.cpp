#include "common/text.hpp"

#include <limits>

namespace sorvanta {

std::u32string DecodeUtf8(std::string_view text) {
    std::u32string out;
    out.reserve(text.size());
    std::size_t i = 0;
    const std::size_t n = text.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(text[i]);
        if (b0 < 0x80) {
            out.push_back(b0);
            ++i;
            continue;
        }
        int extra = 0;
        char32_t cp = 0;
        if ((b0 & 0xE0) == 0xC0) {
            extra = 1;
            cp = b0 & 0x1F;
        } else if ((b0 & 0xF0) == 0xE0) {
            extra = 2;
            cp = b0 & 0x0F;
        } else if ((b0 & 0xF8) == 0xF0) {
            extra = 3;
            cp = b0 & 0x07;
        } else {
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        bool ok = i + static_cast<std::size_t>(extra) < n;
        for (int k = 1; ok && k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(text[i + k]);
            if ((b & 0xC0) != 0x80)
                ok = false;
            else
                cp = (cp << 6) | (b & 0x3F);
        }
        if (!ok) {
            // A broken sequence stands for one unknown character; the next
            // byte is read afresh so no valid character is swallowed.
            out.push_back(U'\uFFFD');
            ++i;
            continue;
        }
        out.push_back(cp);
        i += static_cast<std::size_t>(extra) + 1;
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
