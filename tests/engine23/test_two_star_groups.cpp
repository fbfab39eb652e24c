// Each two-star group alone on the panel, through the whole pipeline: the
// mark column it takes and who it marks.

#include "engine23/two_star_pipeline.hpp"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace {

using namespace sorvanta;
using namespace sorvanta::two;

DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

struct GroupCase {
    const char* name;
    std::function<void(TwoStarInput&)> panel;
    int marked; // -1: the group must take no column
    std::vector<int> markedSamples;
    std::vector<int> clearSamples;
};

void CheckGroupCases(const std::vector<GroupCase>& cases) {
    for (const GroupCase& c : cases) {
        SCOPED_TRACE(c.name);
        TwoStarInput input;
        c.panel(input);
        TwoStarState state;
        RunTwoStarShrink(input, state);
        if (c.marked < 0) {
            EXPECT_EQ(state.table.ConditionCount(), 0);
            continue;
        }
        ASSERT_EQ(state.table.ConditionCount(), 1);
        int marked = 0;
        for (int n = 0; n < 100; ++n)
            marked += state.table.at(n, 1);
        EXPECT_EQ(marked, c.marked);
        for (int n : c.markedSamples)
            EXPECT_EQ(state.table.at(n, 1), 1) << n;
        for (int n : c.clearSamples)
            EXPECT_EQ(state.table.at(n, 1), 0) << n;
    }
}

TEST(TwoStarGroups, BankerGroups) {
    CheckGroupCases({
        {"CountsWithoutBankersAreNoCondition",
         [](TwoStarInput& in) { in.banker_rows[1].counts = Digits("12"); },
         -1,
         {},
         {}},
        // A row with no count chosen wants one or two of its digits.
        {"NoCountMeansOneOrTwo",
         [](TwoStarInput& in) { in.banker_rows[0].digits = Digits("12"); },
         64,
         {0, 33, 99},
         {1, 10, 12, 22}},
        {"CountZeroKillsTheDigit",
         [](TwoStarInput& in) {
             in.banker_rows[2].digits = Digits("5");
             in.banker_rows[2].counts = Digits("0");
         },
         19,
         {5, 50, 55},
         {0, 44}},
        // One banker digit never gives two distinct hits; counted with
        // repeats, 11 gives two.
        {"PairCountsOnceWithoutRepeats",
         [](TwoStarInput& in) {
             in.banker_rows[0].digits = Digits("1");
             in.banker_rows[0].counts = Digits("2");
         },
         100,
         {11},
         {}},
        {"PairCountsTwiceWithRepeats",
         [](TwoStarInput& in) {
             in.banker_rows[0].digits = Digits("1");
             in.banker_rows[0].counts = Digits("2");
             in.banker_count_repeats = true;
         },
         99,
         {1, 10},
         {11}},
        // Exactly one of the two rows may be wrong.
        {"ToleranceCountsWrongRows",
         [](TwoStarInput& in) {
             in.banker_rows[0].digits = Digits("1");
             in.banker_rows[2].digits = Digits("2");
             in.banker_tolerance = {"1", "1"};
         },
         66,
         {0, 12, 21},
         {11, 2, 13}},
        {"SelectAllRowKeepsEverything",
         [](TwoStarInput& in) {
             in.banker_rows[1].digits = Digits("0123456789");
             in.banker_rows[1].counts = Digits("012");
         },
         0,
         {},
         {0, 99}},
    });
}

TEST(TwoStarGroups, SpansAndSums) {
    CheckGroupCases({
        {"SpanZeroIsThePairs",
         [](TwoStarInput& in) { in.kill_spans = Digits("0"); },
         10,
         {0, 99},
         {1}},
        {"SumTailByTwoButtons",
         [](TwoStarInput& in) {
             in.kill_sums.set(3);
             in.kill_sums.set(13);
         },
         10,
         {3, 12, 30, 49, 94},
         {4, 99}},
    });
}

TEST(TwoStarGroups, PositionKill) {
    CheckGroupCases({
        {"TensFive",
         [](TwoStarInput& in) { in.position_kill[0] = Digits("5"); },
         10,
         {50, 59},
         {5, 60}},
        {"EitherKilledPositionFails",
         [](TwoStarInput& in) {
             in.position_kill[0] = Digits("5");
             in.position_kill[1] = Digits("5");
         },
         19,
         {5, 50, 55},
         {44}},
        // 1 to 1: exactly one position must hold a killed digit.
        {"OneToOneIsAPositionalBanker",
         [](TwoStarInput& in) {
             in.position_kill[0] = Digits("5");
             in.position_kill[1] = Digits("5");
             in.position_kill_tolerance = {"1", "1"};
         },
         82,
         {55, 0},
         {51, 15}},
    });
}

TEST(TwoStarGroups, CompoundExclusion) {
    CheckGroupCases({
        {"BothRows",
         [](TwoStarInput& in) {
             in.compound_exclusion[0] = Digits("12");
             in.compound_exclusion[1] = Digits("3");
         },
         2,
         {13, 23},
         {3, 31, 33}},
        {"OneRowIsNoCompound",
         [](TwoStarInput& in) { in.compound_exclusion[0] = Digits("12"); },
         -1,
         {},
         {}},
        {"SelectAllExcludesEverything",
         [](TwoStarInput& in) {
             in.compound_exclusion[0] = Digits("0123456789");
             in.compound_exclusion[1] = Digits("0123456789");
         },
         100,
         {},
         {}},
    });
}

TEST(TwoStarGroups, Shapes) {
    // 47 is 小大, 双单, 合质 and route 11; no other candidate shows all four.
    auto all47 = [](TwoStarInput& in) {
        in.shapes.big_small = {"小大"};
        in.shapes.odd_even = {"双单"};
        in.shapes.prime_composite = {"合质"};
        in.shapes.route012 = {"11"};
    };
    CheckGroupCases({
        {"BigBig",
         [](TwoStarInput& in) { in.shapes.big_small = {"大大"}; },
         25,
         {55, 59, 95, 99},
         {45, 54, 4}},
        {"OneCountsAsPrime",
         [](TwoStarInput& in) { in.shapes.prime_composite = {"质质"}; },
         25,
         {11, 17, 23, 75},
         {9, 14}},
        {"AnyFamilyHitFailsAtZero", all47, 56, {47, 97, 44, 74}, {0, 55}},
        {"AllFourHitsWanted",
         [&](TwoStarInput& in) {
             all47(in);
             in.shapes_tolerance = {"4", "4"};
         },
         99,
         {97, 0},
         {47}},
        {"UnofferedCaptionSelectsNothing",
         [](TwoStarInput& in) { in.shapes.big_small = {"大大大"}; },
         -1,
         {},
         {}},
    });
}

TEST(TwoStarGroups, SpecialShapes) {
    CheckGroupCases({
        {"ConsecutiveWrapsNineAndZero",
         [](TwoStarInput& in) { in.special_shapes = {"杀连号"}; },
         20,
         {1, 10, 12, 89, 90, 9},
         {0, 2, 19}},
        {"PairOrTensAboveOneToOne",
         [](TwoStarInput& in) {
             in.special_shapes = {"杀对子", "杀十>个"};
             in.special_shapes_tolerance = {"1", "1"};
         },
         45,
         {5, 19},
         {0, 50, 91}},
        {"Mixed",
         [](TwoStarInput& in) { in.special_shapes = {"杀杂号"}; },
         70,
         {2, 20, 18},
         {0, 9, 90, 43}},
        {"AllFivePairsMeetOneTestOthersTwo",
         [](TwoStarInput& in) {
             in.special_shapes = {"杀对子", "杀连号", "杀杂号", "杀十>个", "杀十<个"};
             in.special_shapes_tolerance = {"1", "1"};
         },
         90,
         {12, 9},
         {0, 55}},
    });
}

} // namespace
