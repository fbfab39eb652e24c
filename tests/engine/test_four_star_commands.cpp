// The four-star commands that turn the last run into another list: invert,
// convert to group, and the input a whole-panel clear leaves.
#include "engine4/four_star_commands.hpp"

#include "engine4/pipeline.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;

namespace {

TEST(FourStarCommands, InvertAndGroupReadTheLastTally) {
    auto state = std::make_unique<FourStarState>();
    FourStarInput input;
    input.base_set = "0001 1000 9999";
    RunShrinkPipeline(input, *state);
    EXPECT_EQ(ConvertFourStarToGroup(*state), (std::vector<int>{1, 9999}));
    const std::vector<int> inverted = InvertFourStar(*state);
    EXPECT_EQ(inverted.size(), 9997u);
    EXPECT_EQ(inverted.front(), 0);
    EXPECT_EQ(InvertFourStar(*state), inverted); // the table is left as it was
    EXPECT_EQ(kInvertDoneText, "反选成功。\n注意，组选号码不能反选，只能反选直选号码");
}

TEST(FourStarCommands, ClearKeepsOnlyTheBankerRepeats) {
    FourStarInput input;
    input.kill_direct = "1234";
    input.position_kill[2].set(4);
    input.banker_count_repeats = true;
    input.two_star_splice_delete = true;
    input.run_repeat = {"2连"};
    input.total_tolerance = {"1", "3"};
    FourStarInput expected;
    expected.banker_count_repeats = true;
    EXPECT_EQ(ClearedFourStarInput(input), expected);
    input.banker_count_repeats = false;
    EXPECT_EQ(ClearedFourStarInput(input), FourStarInput{});
}

} // namespace
