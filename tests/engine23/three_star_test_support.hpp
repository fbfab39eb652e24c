#pragma once

// Helpers the three-star group tests share: run one group on its own and
// read back whom it marked, or run the whole pipeline.

#include "engine23/three_star_groups.hpp"
#include "engine23/three_star_input.hpp"
#include "engine23/three_star_pipeline.hpp"

#include <memory>
#include <optional>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace sorvanta::three::testing_support {

// The candidates a group marks, or nullopt when it is inactive (takes no
// column).
inline std::optional<std::vector<int>> Marked(ThreeStarGroupFn group, const ThreeStarInput& input) {
    ThreeStarMarks marks{};
    if (!group(input, marks)) {
        for (std::uint8_t m : marks)
            if (m != 0)
                ADD_FAILURE() << "an inactive group marked a candidate";
        return std::nullopt;
    }
    std::vector<int> rows;
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (marks[static_cast<std::size_t>(n)] != 0)
            rows.push_back(n);
    return rows;
}

// The column a group took in the state's last run, or 0 when it took none.
inline int ColumnOf(const ThreeStarState& state, ThreeStarGroupId id) {
    for (std::size_t k = 0; k < state.columns.size(); ++k)
        if (state.columns[k] == id)
            return ThreeStarTable::kFirstMark + static_cast<int>(k);
    return 0;
}

inline bool Contains(const std::vector<int>& rows, int n) {
    for (int row : rows)
        if (row == n)
            return true;
    return false;
}

// Every candidate for which `pred` holds, ascending.
template <typename Pred> std::vector<int> Where(Pred pred) {
    std::vector<int> rows;
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (pred(n / 100, n / 10 % 10, n % 10))
            rows.push_back(n);
    return rows;
}

inline std::vector<int> AllBut(const std::vector<int>& kept) {
    std::vector<int> rows;
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (!Contains(kept, n))
            rows.push_back(n);
    return rows;
}

inline DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

inline RangeText Range(const char* lower, const char* upper) {
    return RangeText{lower, upper};
}

inline std::unique_ptr<ThreeStarState> RunShrink(const ThreeStarInput& input) {
    auto state = std::make_unique<ThreeStarState>();
    RunThreeStarShrink(input, *state);
    return state;
}

} // namespace sorvanta::three::testing_support
