// The three-star pipeline: columns taken in order, the tally and its
// overrides, the survivor text.

#include "three_star_test_support.hpp"

#include "common/number_list.hpp"

#include <gtest/gtest.h>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

using Rows = std::vector<int>;

TEST(ThreeStarPipeline, NoConditionKeepsAll) {
    const auto state = RunShrink(ThreeStarInput{});
    EXPECT_EQ(static_cast<int>(state->survivors.size()), 1000);
    EXPECT_EQ(state->table.ConditionCount(), 0);
    EXPECT_TRUE(state->columns.empty());
    EXPECT_EQ(ThreeDigitTexts(state->survivors).size(), 1000u * 4 - 1);
    EXPECT_EQ(ThreeDigitTexts(state->survivors).substr(0, 11), "000 001 002");
    EXPECT_EQ(
        ThreeDigitTexts(state->survivors).substr(ThreeDigitTexts(state->survivors).size() - 7),
        "998 999");
}

TEST(ThreeStarPipeline, GroupTableIsInPipelineOrder) {
    for (std::size_t k = 0; k < kThreeStarGroups.size(); ++k)
        EXPECT_EQ(static_cast<std::size_t>(kThreeStarGroups[k].id), k) << kThreeStarGroups[k].name;
}

TEST(ThreeStarPipeline, ActiveGroupsTakeColumnsInOrder) {
    ThreeStarInput input;
    input.special_exclusions = {"豹子"}; // group 24
    input.kill_sum_tails = Digits("0");  // group 13
    input.junk_compounds = "1*2*3";      // group 3
    input.kill_direct = "12";            // inactive
    input.base_set = "123 456";
    input.must_keep = "999";
    const auto state = RunShrink(input);
    EXPECT_EQ(state->columns, (std::vector<ThreeStarGroupId>{ThreeStarGroupId::JunkCompounds,
                                                             ThreeStarGroupId::KillSumTails,
                                                             ThreeStarGroupId::SpecialExclusions}));
    EXPECT_EQ(state->table.ConditionCount(), 3);
    EXPECT_EQ(ColumnOf(*state, ThreeStarGroupId::KillSumTails), 2);
    EXPECT_EQ(ColumnOf(*state, ThreeStarGroupId::KillDirect), 0);
    EXPECT_EQ(state->table.at(123, 1), 1);
    EXPECT_EQ(state->table.at(550, 2), 1);
    EXPECT_EQ(state->table.at(555, 3), 1);
    EXPECT_EQ(state->table.at(555, 4), 0); // nothing past the last column taken
    // Only the list columns note anything in row 1000.
    for (int column = 0; column < ThreeStarTable::kColumns; ++column)
        EXPECT_EQ(state->table.at(ThreeStarTable::kNotesRow, column),
                  column == ThreeStarTable::kBaseSet || column == ThreeStarTable::kList ? 1 : 0)
            << column;
    EXPECT_EQ(state->survivors, (Rows{456, 999}));
    EXPECT_EQ(ThreeDigitTexts(state->survivors), "456 999");
}

TEST(ThreeStarPipeline, ToleranceOneToOneKeepsTheFailures) {
    ThreeStarInput input;
    input.kill_sums.set(10);
    input.total_tolerance = Range("1", "1");
    EXPECT_EQ(RunShrink(input)->survivors,
              Where([](int h, int t, int u) { return h + t + u == 10; }));
}

TEST(ThreeStarPipeline, TotalToleranceCountsFailedGroups) {
    ThreeStarInput input;
    input.kill_sum_tails = Digits("0");
    input.kill_spans = Digits("0");
    input.total_tolerance = Range("0", "1");
    EXPECT_EQ(RunShrink(input)->survivors, Where([](int h, int t, int u) {
                  return (h + t + u) % 10 != 0 || !(h == t && t == u);
              }));
}

TEST(ThreeStarPipeline, LowerAboveUpperKeepsOnlyMustKeep) {
    ThreeStarInput input;
    input.total_tolerance = Range("2", "1");
    EXPECT_EQ(static_cast<int>(RunShrink(input)->survivors.size()), 0);
    input.must_keep = "042 317";
    EXPECT_EQ(RunShrink(input)->survivors, (Rows{42, 317}));
}

TEST(ThreeStarPipeline, MustKeepBeatsBaseSetAndConditions) {
    ThreeStarInput input;
    input.kill_direct = "777";
    input.kill_spans = Digits("0");
    input.base_set = "123";
    input.must_keep = "777";
    EXPECT_EQ(RunShrink(input)->survivors, (Rows{123, 777}));
}

TEST(ThreeStarPipeline, BaseSetIsAbsolute) {
    ThreeStarInput input;
    input.base_set = "111 222";
    input.total_tolerance = Range("0", "100");
    EXPECT_EQ(RunShrink(input)->survivors, (Rows{111, 222}));
}

TEST(ThreeStarPipeline, EveryRunStartsAfresh) {
    ThreeStarState state;
    ThreeStarInput input;
    input.kill_direct = "123";
    input.base_set = "123 124";
    input.must_keep = "500";
    RunThreeStarShrink(input, state);
    EXPECT_EQ(state.survivors, (Rows{124, 500}));
    RunThreeStarShrink(ThreeStarInput{}, state);
    EXPECT_EQ(static_cast<int>(state.survivors.size()), 1000);
    EXPECT_TRUE(state.columns.empty());
    EXPECT_FALSE(state.BaseSetInForce());
    EXPECT_FALSE(state.MustKeepGiven());
    for (int n = 0; n < 1000; ++n)
        for (int column = 0; column < ThreeStarTable::kColumns; ++column)
            ASSERT_EQ(state.table.at(n, column), 0) << n << " " << column;
}

TEST(ThreeStarPipeline, TallyReadsTheTableAlone) {
    ThreeStarTable table;
    const int a = table.TakeColumn();
    const int b = table.TakeColumn();
    table.at(5, a) = 1;
    table.at(5, b) = 1;
    table.at(6, a) = 1;
    ApplyThreeStarTally(table, Range("1", "1"));
    EXPECT_EQ(CollectThreeStarRows(table, 0), Rows{6});
    EXPECT_EQ(CollectThreeStarRows(table, 1).size(), 999u);
}

TEST(ThreeStarPipeline, EveryGroupOnAtOnce) {
    ThreeStarInput input;
    input.kill_direct = "000";
    input.kill_group = "001";
    input.junk_compounds = "9*9*9";
    input.kill_pairs = "99";
    input.require_pairs = "12 34 56 78 90 13 24";
    input.position_kill_pairs = {"98", "", ""};
    input.position_require_pairs = {"", "", ""};
    input.pair_sums.exclude_sum[0] = "18";
    input.any_two_diffs = Digits("123456789");
    input.position_match = {"百不等于个"};
    input.positional_bankers.units = Digits("0123456789");
    input.broken_groups = "0123456789=1";
    input.kill_sum_tails = Digits("7");
    input.kill_spans = Digits("0");
    input.bankers = Digits("1234");
    input.kill_sums.set(27);
    input.exclude_compound = {Digits("9"), Digits("9"), Digits("8")};
    input.position_kill = {Digits("9"), {}, {}};
    input.position_kill_tolerance = Range("0", "1");
    input.banker_rows[0] = {Digits("5"), Digits("01")};
    input.kill_shapes.big_small = {"大大大"};
    input.largest_digits = "3456789";
    input.keep_counts.odd = Digits("123");
    input.exclude_routes = {"000"};
    input.special_exclusions = {"豹子"};
    const auto state = RunShrink(input);
    EXPECT_EQ(state->table.ConditionCount(), 23); // 定位2码 has no piece
    EXPECT_EQ(ColumnOf(*state, ThreeStarGroupId::PositionRequirePairs), 0);
    EXPECT_EQ(ColumnOf(*state, ThreeStarGroupId::SpecialExclusions), 23);
    EXPECT_GT(static_cast<int>(state->survivors.size()), 0);
    EXPECT_LT(static_cast<int>(state->survivors.size()), 1000);
}

} // namespace
