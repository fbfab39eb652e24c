#pragma once

// What the help tests share: the help source as shipped, read from the
// source tree, and the check that a topic's text states a number.

#include "common/help_blocks.hpp"

#include <fstream>
#include <iterator>
#include <string>
#include <string_view>

namespace sorvanta::help_testing {

inline std::string ReadFile(const char* path) {
    std::ifstream in(path, std::ios::binary);
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

inline const HelpTopicStore& ShippedStore() {
    static const HelpTopicStore store(ReadFile(SORVANTA_HELP_SOURCE));
    return store;
}

inline bool IsAsciiDigit(char c) {
    return c >= '0' && c <= '9';
}

// The text holds `number` as a whole run of digits, not as part of a longer
// one ("04" is stated by "04的跨度", not by "2045").
inline bool StatesNumber(std::string_view text, std::string_view number) {
    for (std::size_t at = text.find(number); at != std::string_view::npos;
         at = text.find(number, at + 1)) {
        const bool before = at > 0 && IsAsciiDigit(text[at - 1]);
        const std::size_t end = at + number.size();
        const bool after = end < text.size() && IsAsciiDigit(text[end]);
        if (!before && !after)
            return true;
    }
    return false;
}

} // namespace sorvanta::help_testing
