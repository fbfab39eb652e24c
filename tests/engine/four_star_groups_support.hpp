#pragma once

// Helpers the four-star condition-group tests share: run one group on a
// fresh table, or the whole pipeline, and read back a column's marks.

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"
#include "engine4/pipeline.hpp"

#include <algorithm>
#include <array>
#include <memory>
#include <string>
#include <vector>

#include <gtest/gtest.h>

namespace sorvanta::four::testing_support {

inline std::unique_ptr<FourStarState> FreshState() {
    return std::make_unique<FourStarState>();
}

// Runs one group the way the pipeline does: digits read from a fresh table.
template <typename Apply>
std::unique_ptr<FourStarState> RunGroup(const FourStarInput& input, Apply apply) {
    auto state = FreshState();
    const CandidateDigits digits(state->candidates);
    apply(input, digits, state->candidates);
    return state;
}

inline std::unique_ptr<FourStarState> RunPipeline(const FourStarInput& input) {
    auto state = FreshState();
    RunShrinkPipeline(input, *state);
    return state;
}

inline int CountMarked(const FourStarState& state, int column) {
    int count = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        count += state.candidates.at(n, column) != 0 ? 1 : 0;
    return count;
}

inline std::vector<int> MarkedRows(const FourStarState& state, int column) {
    std::vector<int> rows;
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        if (state.candidates.at(n, column) != 0)
            rows.push_back(n);
    return rows;
}

inline int Survivors(const FourStarInput& input) {
    return static_cast<int>(CollectRows(RunPipeline(input)->candidates, 0).size());
}

inline CandidateDigits::Digits DigitsOf(int n) {
    return {static_cast<std::uint8_t>(n / 1000), static_cast<std::uint8_t>(n / 100 % 10),
            static_cast<std::uint8_t>(n / 10 % 10), static_cast<std::uint8_t>(n % 10)};
}

inline RangeText Range(const char* lower, const char* upper) {
    return RangeText{lower, upper};
}

inline DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

// Every column but `column` still holds what a fresh table holds.
inline bool OnlyColumnWritten(const CandidateSet& set, int column) {
    const CandidateSet fresh;
    for (int n = 0; n < CandidateSet::kRows; ++n)
        for (int c = 0; c < CandidateSet::kColumns; ++c)
            if (c != column && set.at(n, c) != fresh.at(n, c))
                return false;
    return true;
}

inline bool OnlyColumnWritten(const FourStarState& state, int column) {
    return OnlyColumnWritten(state.candidates, column);
}

// The checks every group table makes of its column: how many candidates
// are marked (when the row gives a count), that no other column changed, and
// the sample candidates on either side.
inline void ExpectColumn(const FourStarState& state, int column, int marked,
                         const std::vector<int>& markedSamples,
                         const std::vector<int>& clearSamples, const std::string& name) {
    if (marked >= 0) {
        EXPECT_EQ(CountMarked(state, column), marked) << name;
    }
    EXPECT_TRUE(OnlyColumnWritten(state, column)) << name;
    for (int n : markedSamples)
        EXPECT_EQ(state.candidates.at(n, column), 1) << name << " " << n;
    for (int n : clearSamples)
        EXPECT_EQ(state.candidates.at(n, column), 0) << name << " " << n;
}

} // namespace sorvanta::four::testing_support
