#include "engine4/position_kill.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kColumn = 2;

TEST(PositionKill, CountsKilledPositionsAgainstTheTolerance) {
    struct Case {
        const char* name;
        std::array<std::string, 4> rows; // 千 百 十 个
        RangeText tolerance;
        int marked;
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const Case cases[] = {
        {"NoTickIsOffWhateverTheRange", {"", "", "", ""}, Range("3", "1"), 0, {}, {}},
        {"ThousandsZero", {"0", "", "", ""}, Range("0", "0"), 1000, {0, 999}, {1000, 9990}},
        {"OneKilledPositionTolerated",
         {"0", "", "", "9"},
         Range("0", "1"),
         100,
         {9, 19, 999},
         {8, 1009}},
        // At least one killed digit wanted: the kill turns into a positional banker choice.
        {"AtLeastOneKilledPosition",
         {"0", "", "", "9"},
         Range("1", "2"),
         8100,
         {1234, 8888},
         {9, 1009, 998}},
        {"SeveralDigitsInARow",
         {"", "13579", "", ""},
         Range("0", "0"),
         5000,
         {100, 9999},
         {0, 9090}},
        {"EveryPositionUsed", {"1", "2", "3", "4"}, Range("4", "4"), 9999, {1235}, {1234}},
        {"ReversedRangeMarksAll", {"", "", "5", ""}, Range("1", "0"), 10000, {}, {}},
        {"NegativeLowerBoundReadsAsAllowed", {"", "", "5", ""}, Range("-3", "0"), 1000, {50}, {40}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        for (std::size_t r = 0; r < 4; ++r)
            input.position_kill[r] = Digits(c.rows[r]);
        input.position_kill_tolerance = c.tolerance;
        const auto state = RunGroup(input, ApplyPositionKill);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

TEST(PositionKill, CountsOnceInTheTotalTolerance) {
    // Killing a digit in all four rows fails 1111 four times within the
    // group, yet it counts as one failed group in the tally.
    FourStarInput input;
    for (DigitSet& row : input.position_kill)
        row = Digits("1");
    input.position_kill_tolerance = Range("0", "0");
    input.total_tolerance = Range("1", "1");
    const auto state = RunPipeline(input);
    EXPECT_EQ(state->candidates.at(1111, CandidateSet::kExcluded), 0);
    EXPECT_EQ(state->candidates.at(2222, CandidateSet::kExcluded), 1);
    EXPECT_EQ(CollectRows(state->candidates, 0).size(), 10000u - 6561u);
}

} // namespace
