// The condition groups together: the order they run in, the columns they
// own and how the total tolerance counts them.
#include "engine4/pipeline.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

// Every group switched on so that it marks 0000 (and more).
FourStarInput EveryGroupOn() {
    FourStarInput input;
    input.kill_direct = "0000";
    input.position_kill[0] = Digits("0");
    input.kill_spans = Digits("0");
    input.banker_rows[0] = {Digits("9"), DigitSet{}};
    input.ratio_big_small = {"4:0"};
    input.special_shapes = {"上山"};
    input.pattern_big_small = {"小小小小"};
    input.pattern_odd_even = {"偶偶偶偶"};
    input.pattern_prime_composite = {"合合合合"};
    input.pattern_route012 = {"0000"};
    return input;
}

TEST(FourStarGroups, EachGroupWritesOnlyItsOwnColumn) {
    const auto state = RunPipeline(EveryGroupOn());
    const CandidateSet& set = state->candidates;
    for (int column = 1; column <= 7; ++column)
        EXPECT_EQ(set.at(0, column), column == 6 ? 0 : 1) << column; // 0000 is not rising
    EXPECT_EQ(set.at(1234, 6), 1);
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        for (int column = 8; column <= CandidateSet::kLastMark; ++column)
            ASSERT_EQ(set.at(n, column), 0) << n << " column " << column;
}

TEST(FourStarGroups, TotalToleranceCountsGroupsNotConditions) {
    FourStarInput input = EveryGroupOn();
    // 0000 fails six groups (all but the special shapes), however many
    // conditions inside them it fails.
    input.total_tolerance = Range("6", "6");
    auto state = RunPipeline(input);
    EXPECT_EQ(state->candidates.at(0, CandidateSet::kExcluded), 0);
    input.total_tolerance = Range("7", "49");
    state = RunPipeline(input);
    EXPECT_EQ(state->candidates.at(0, CandidateSet::kExcluded), 1);
}

TEST(FourStarGroups, ProgressPointsStayFixed) {
    std::vector<double> points;
    FourStarState state;
    RunShrinkPipeline(EveryGroupOn(), state, [&](double share) { points.push_back(share); });
    EXPECT_EQ(points, (std::vector<double>{0.001, 0.5, 0.8}));
}

TEST(FourStarGroups, RunsStartFromAFreshTable) {
    FourStarState state;
    RunShrinkPipeline(EveryGroupOn(), state);
    FourStarInput base;
    base.base_set = "0000";
    RunShrinkPipeline(base, state);
    EXPECT_EQ(JoinNumbers(CollectRows(state.candidates, 0)), "0000");
    RunShrinkPipeline(FourStarInput{}, state);
    EXPECT_FALSE(state.BaseSetActive);
    EXPECT_EQ(CollectRows(state.candidates, 0).size(), 10000u);
}

} // namespace
