// The two-star run as the window sees it: tally, lists, result text,
// invert and group conversion.

#include "common/number_list.hpp"
#include "engine23/two_star_pipeline.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace sorvanta;
using namespace sorvanta::two;

std::string AllNumbers() {
    std::string text;
    for (int n = 0; n < 100; ++n)
        text += (n == 0 ? "" : " ") + std::string{char('0' + n / 10), char('0' + n % 10)};
    return text;
}

// 00 01 .. 09 11 12 .. 99: every pair with its smaller digit first.
std::string AllGroups() {
    std::string text;
    for (int t = 0; t < 10; ++t)
        for (int u = t; u < 10; ++u)
            text += (text.empty() ? "" : " ") + std::string{char('0' + t), char('0' + u)};
    return text;
}

struct RunCase {
    const char* name;
    std::function<void(TwoStarInput&)> panel;
    std::string text; // the result box
    int count;
};

void KillSumThree(TwoStarInput& in) {
    in.kill_sums.set(3);
}

TEST(TwoStarShrink, ResultText) {
    const RunCase cases[] = {
        {"NoConditionKeepsAll", [](TwoStarInput&) {}, AllNumbers(), 100},
        {"HintsAreNoInput",
         [](TwoStarInput& in) {
             in.kill_list = std::string(kKillListHint);
             in.base_set = std::string(kBaseSetHint);
         },
         AllNumbers(), 100},
        {"OneToOneKeepsOnlyTheFailures",
         [](TwoStarInput& in) {
             KillSumThree(in);
             in.total_tolerance = {"1", "1"};
         },
         "03 12 21 30", 4},
        {"LowerAboveUpperKeepsNothing",
         [](TwoStarInput& in) {
             in.total_tolerance = {"2", "1"};
         },
         "", 0},
        {"BaseSet", [](TwoStarInput& in) { in.base_set = "00 01"; }, "00 01", 2},
        {"BaseWithoutTwoDigitPieceIsOff", [](TwoStarInput& in) { in.base_set = "1 2 345"; },
         AllNumbers(), 100},
        {"BaseSetOutsideTheTolerance",
         [](TwoStarInput& in) {
             in.base_set = "03 40";
             KillSumThree(in);
             in.total_tolerance = {"0", "7"};
         },
         "03 40", 2},
        // The kill list outranks every count the tolerance admits and the
        // base set; a piece that cleans to one digit names nothing.
        {"KillListIsAbsolute",
         [](TwoStarInput& in) {
             in.kill_list = "05 55 x9";
             KillSumThree(in);
             in.total_tolerance = {"0", "7"};
             in.base_set = "05 09 55";
         },
         "09", 1},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        TwoStarInput input;
        c.panel(input);
        TwoStarState state;
        const std::vector<int> result = RunTwoStarShrink(input, state);
        EXPECT_EQ(JoinNumbers(result, 2), c.text);
        EXPECT_EQ(static_cast<int>(result.size()), c.count);
    }
}

TEST(TwoStarShrink, ActiveGroupsTakeColumnsInRunningOrder) {
    TwoStarInput input;
    input.special_shapes = {"杀对子"};
    input.kill_sums.set(0);
    input.compound_exclusion[1] = DigitSet{}.set(); // one row: inactive
    TwoStarState state;
    RunTwoStarShrink(input, state);
    const std::vector<TwoStarGroupId> expected = {TwoStarGroupId::KillSum,
                                                  TwoStarGroupId::SpecialShapes};
    EXPECT_EQ(state.columns, expected);
    EXPECT_EQ(state.table.at(0, 1), 1);  // 00 has the sum 0
    EXPECT_EQ(state.table.at(11, 1), 0); // and 11 has not
    EXPECT_EQ(state.table.at(11, 2), 1); // but it is a pair
}

TEST(TwoStarShrink, EveryRunStartsFromAFreshTable) {
    TwoStarInput input;
    input.kill_list = "00";
    input.base_set = "00 01";
    input.position_kill[0].set(1);
    TwoStarState state;
    RunTwoStarShrink(input, state);
    const std::vector<int> again = RunTwoStarShrink(TwoStarInput{}, state);
    EXPECT_EQ(again.size(), 100u);
    EXPECT_EQ(state.table.ConditionCount(), 0);
    EXPECT_TRUE(state.columns.empty());
    EXPECT_EQ(state.table.at(TwoStarTable::kNotesRow, TwoStarTable::kList), 0);
    EXPECT_EQ(state.table.at(TwoStarTable::kNotesRow, TwoStarTable::kBaseSet), 0);
}

TEST(TwoStarCommands, InvertListsWhatTheRunTookOut) {
    const RunCase cases[] = {
        {"NothingExcludedIsAnEmptyList", [](TwoStarInput&) {}, "", 0},
        {"Complement", KillSumThree, "03 12 21 30", 4},
        {"KillListAmongTheExcluded", [](TwoStarInput& in) { in.kill_list = "99 07"; }, "07 99", 2},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        TwoStarInput input;
        c.panel(input);
        TwoStarState state;
        const std::vector<int> result = InvertTwoStar(input, state);
        EXPECT_EQ(JoinNumbers(result, 2), c.text);
        EXPECT_EQ(static_cast<int>(result.size()), c.count);
    }
}

TEST(TwoStarCommands, ConvertToGroup) {
    const RunCase cases[] = {
        {"BothOrderingsOneGroup", [](TwoStarInput& in) { in.base_set = "50 05 44"; }, "05 44", 2},
        {"AscendingByGroup", [](TwoStarInput& in) { in.base_set = "98 10 31"; }, "01 13 89", 3},
        {"NothingSurvives",
         [](TwoStarInput& in) {
             in.total_tolerance = {"1", "0"};
         },
         "", 0},
        {"AllCandidatesGiveFiftyFiveGroups", [](TwoStarInput&) {}, AllGroups(), 55},
    };
    for (const RunCase& c : cases) {
        SCOPED_TRACE(c.name);
        TwoStarInput input;
        c.panel(input);
        TwoStarState state;
        const std::vector<int> result = ConvertTwoStarToGroup(input, state);
        EXPECT_EQ(JoinNumbers(result, 2), c.text);
        EXPECT_EQ(static_cast<int>(result.size()), c.count);
    }
}

} // namespace

namespace {

TEST(TwoStarCommands, ClearKeepsOnlyTheBankerRepeats) {
    TwoStarInput input;
    input.banker_rows[1].digits.set(3);
    input.banker_count_repeats = true;
    input.kill_sums.set(18);
    input.shapes.route012 = {"12"};
    input.special_shapes_tolerance = {"1", "2"};
    input.kill_list = "12 34";
    TwoStarInput expected;
    expected.banker_count_repeats = true;
    EXPECT_EQ(ClearedTwoStarInput(input), expected);
    input.banker_count_repeats = false;
    EXPECT_EQ(ClearedTwoStarInput(input), TwoStarInput{});
}

} // namespace
