#include "engine23/star_text.hpp"

namespace sorvanta::star {

std::string_view WithoutHint(std::string_view text, std::initializer_list<std::string_view> hints) {
    const std::size_t first = text.find_first_not_of(" \r\n");
    if (first == std::string_view::npos)
        return text;
    const std::string_view core = text.substr(first, text.find_last_not_of(" \r\n") - first + 1);
    for (std::string_view hint : hints)
        if (core == hint)
            return {};
    return text;
}

std::string WithCrLf(std::string_view text) {
    std::string out;
    out.reserve(text.size() + 16);
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))
            out.push_back('\r');
        out.push_back(text[i]);
    }
    return out;
}

std::vector<std::string_view> SplitAtCrLf(std::string_view text) {
    std::vector<std::string_view> lines;
    std::size_t start = 0;
    for (;;) {
        const std::size_t end = text.find("\r\n", start);
        if (end == std::string_view::npos) {
            lines.push_back(text.substr(start));
            return lines;
        }
        lines.push_back(text.substr(start, end - start));
        start = end + 2;
    }
}

std::string WithoutBlanks(std::string_view text) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ')
            out.push_back(c);
    return out;
}

std::string KeepOnly(std::string_view text, std::string_view allowed) {
    std::string out;
    out.reserve(text.size());
    for (char c : text)
        if (c != ' ' && allowed.find(c) != std::string_view::npos)
            out.push_back(c);
    return out;
}

bool DigitsOnlyLengthAtLeast(std::string_view text, std::size_t length) {
    // Every digit counts one, and every run after the first one more for
    // the blank before it.
    std::size_t count = 0;
    bool inRun = false;
    bool anyRun = false;
    for (char c : text) {
        const bool digit = c >= '0' && c <= '9';
        if (digit) {
            count += (!inRun && anyRun) ? 2 : 1;
            anyRun = true;
            if (count >= length)
                return true;
        }
        inRun = digit;
    }
    return length == 0;
}

} // namespace sorvanta::star
