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

} // namespace sorvanta::star
