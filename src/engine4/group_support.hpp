#pragma once

// Small pieces the four-star condition groups share; not part of the
// engine's public surface.

#include "common/text.hpp"
#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::four::detail {

// One flag per candidate; a group gathers its verdicts here and writes its
// column in one pass, touching only the rows it marks.
using MarkTable = std::vector<std::uint8_t>;

inline MarkTable NewMarkTable() {
    return MarkTable(CandidateSet::kCandidates, 0);
}

inline void WriteMarks(const MarkTable& marks, CandidateSet& set, int column) {
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        if (marks[static_cast<std::size_t>(n)] != 0)
            set.at(n, column) = 1;
}

inline std::uint16_t Mask(const DigitSet& digits) {
    return static_cast<std::uint16_t>(digits.to_ulong());
}

inline bool Has(std::uint16_t mask, int digit) {
    return ((mask >> digit) & 1u) != 0;
}

inline std::string_view TrimBlanks(std::string_view text) {
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string_view::npos)
        return {};
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

// The boxes' older blank rule: each character that `keep` rejects becomes one
// blank (a Chinese character is one character, so one blank), then every
// double blank is replaced by one blank five passes in a row, then the text
// is trimmed. Runs longer than 32 blanks can keep a double blank; the pieces
// that leaves are empty and every reader skips them.
template <typename Keep> std::string BlankOutAndSqueeze(std::string_view text, Keep keep) {
    std::string out;
    out.reserve(text.size());
    for (char32_t c : DecodeUtf8(text))
        out.push_back(c < 0x80 && keep(static_cast<char>(c)) ? static_cast<char>(c) : ' ');
    for (int pass = 0; pass < 5; ++pass) {
        std::string next;
        next.reserve(out.size());
        for (std::size_t i = 0; i < out.size(); ++i) {
            next.push_back(out[i]);
            if (out[i] == ' ' && i + 1 < out.size() && out[i + 1] == ' ')
                ++i;
        }
        out.swap(next);
    }
    return std::string(TrimBlanks(out));
}

// The digits of a number 0..9999, thousands first: the tables the groups
// work out once per program are indexed by CandidateDigits::Code.
inline CandidateDigits::Digits DigitsOfNumber(int n) {
    return {static_cast<std::uint8_t>(n / 1000), static_cast<std::uint8_t>(n / 100 % 10),
            static_cast<std::uint8_t>(n / 10 % 10), static_cast<std::uint8_t>(n % 10)};
}

template <typename T, typename Fn> std::vector<T> PerNumber(Fn figure) {
    std::vector<T> table(CandidateSet::kCandidates);
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        table[static_cast<std::size_t>(n)] = figure(DigitsOfNumber(n));
    return table;
}

inline int DigitValue(char c) {
    return c - '0';
}
inline bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

} // namespace sorvanta::four::detail
