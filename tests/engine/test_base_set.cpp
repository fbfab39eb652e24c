#include "engine4/base_set.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

TEST(BaseSet, FourDigitPiecesOnly) {
    struct Case {
        const char* name;
        std::string text;
        bool active;
        std::vector<int> members;
    };
    const Case cases[] = {
        {"GuidanceHint", "大底号码，双击清空", false, {}},
        {"FiveDigitPiecesOnly", "12345 67890", false, {}},
        {"MixedLengths", "1234,56789 0012", true, {12, 1234}},
        {"RepeatsHarmless", "1234 1234 0012", true, {12, 1234}},
        {"LinesAndFullWidth", "0000\r\n9999\n１２３４", true, {0, 9999}},
        {"Empty", "", false, {}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.base_set = c.text;
        auto state = FreshState();
        state->BaseSetActive = true; // a stale flag must not survive the step
        ApplyBaseSet(input, *state);
        EXPECT_EQ(state->BaseSetActive, c.active) << c.name;
        EXPECT_EQ(MarkedRows(*state, CandidateSet::kBaseSetMember), c.members) << c.name;
        EXPECT_TRUE(OnlyColumnWritten(*state, CandidateSet::kBaseSetMember)) << c.name;
    }
}

TEST(BaseSet, DecidesOverTheTotalTolerance) {
    FourStarInput input;
    input.base_set = "1234 1234 0012";
    auto state = RunPipeline(input);
    EXPECT_EQ(JoinNumbers(CollectRows(state->candidates, 0)), "0012 1234");

    // Within the base set the other groups still count.
    input.kill_direct = "1234";
    state = RunPipeline(input);
    EXPECT_EQ(JoinNumbers(CollectRows(state->candidates, 0)), "0012");

    // A base member that fails no group is still out when a failure is required.
    input.total_tolerance = Range("1", "5");
    state = RunPipeline(input);
    EXPECT_EQ(JoinNumbers(CollectRows(state->candidates, 0)), "1234");
}

TEST(BaseSet, WrongLengthsOnlyLeaveTheRestToTheOtherGroups) {
    FourStarInput input;
    input.base_set = "123 12345";
    input.kill_direct = "0000";
    EXPECT_EQ(Survivors(input), 9999);
}

} // namespace
