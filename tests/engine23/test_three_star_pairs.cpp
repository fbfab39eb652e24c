// Groups 4 to 9: two-digit combinations, positional pairs, pair sums and
// differences, any-two sum tails and differences.

#include "three_star_test_support.hpp"

#include "engine23/three_star_captions.hpp"

#include <gtest/gtest.h>

#include <cstdlib>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

using Rows = std::vector<int>;

bool HasPair(int h, int t, int u, int a, int b) {
    const int d[3] = {h, t, u};
    for (int i = 0; i < 3; ++i)
        for (int j = 0; j < 3; ++j)
            if (i != j && d[i] == a && d[j] == b)
                return true;
    return false;
}

TEST(ThreeStarKillPairs, RepeatedDigitNeedsItTwice) {
    ThreeStarInput input;
    input.kill_pairs = "12 21 88";
    const auto marked = Marked(&ApplyKillPairs, input);
    ASSERT_TRUE(marked);
    for (int n : {126, 621, 188, 818, 128})
        EXPECT_TRUE(Contains(*marked, n)) << n;
    EXPECT_FALSE(Contains(*marked, 180));
    EXPECT_FALSE(Contains(*marked, 345));
    EXPECT_EQ(*marked, Where([](int h, int t, int u) {
        return HasPair(h, t, u, 1, 2) || HasPair(h, t, u, 8, 8);
    }));
}

TEST(ThreeStarKillPairs, ToleranceCountsCombinations) {
    ThreeStarInput input;
    input.kill_pairs = "12 23";
    input.kill_pairs_tolerance = Range("1", "2");
    const auto marked = Marked(&ApplyKillPairs, input);
    ASSERT_TRUE(marked);
    EXPECT_FALSE(Contains(*marked, 125)); // one hit
    EXPECT_FALSE(Contains(*marked, 123)); // two hits
    EXPECT_TRUE(Contains(*marked, 456));  // none
}

TEST(ThreeStarKillPairs, DuplicatesCountOnce) {
    ThreeStarInput input;
    input.kill_pairs = "12 21 12";
    input.kill_pairs_tolerance = Range("1", "1");
    const auto marked = Marked(&ApplyKillPairs, input);
    ASSERT_TRUE(marked);
    EXPECT_FALSE(Contains(*marked, 112)); // {1,2} once, however often typed
}

TEST(ThreeStarKillPairs, InactiveWithoutTwoCharacterPiece) {
    for (const char* text : {"", "1", "123 4", "双击清空"}) {
        ThreeStarInput input;
        input.kill_pairs = text;
        input.kill_pairs_tolerance = Range("1", "3"); // would fail everyone if active
        EXPECT_EQ(Marked(&ApplyKillPairs, input), std::nullopt) << text;
    }
}

TEST(ThreeStarRequirePairs, Cases) {
    ThreeStarInput input;
    input.require_pairs = "78";
    const auto marked = Marked(&ApplyRequirePairs, input);
    ASSERT_TRUE(marked);
    for (int n : {789, 875, 807, 798})
        EXPECT_FALSE(Contains(*marked, n)) << n;
    EXPECT_TRUE(Contains(*marked, 777));
    // The pair table holds (7, 7): any two positions carrying 7 meet it.
    input.require_pairs = "77";
    const auto sevens = Marked(&ApplyRequirePairs, input);
    for (int n : {777, 747, 477, 770})
        EXPECT_FALSE(Contains(*sevens, n)) << n;
    for (int n : {700, 170, 123})
        EXPECT_TRUE(Contains(*sevens, n)) << n;
    input.require_pairs = "7 777";
    EXPECT_EQ(Marked(&ApplyRequirePairs, input), std::nullopt);
}

TEST(ThreeStarPositionKillPairs, Cases) {
    ThreeStarInput input;
    input.position_kill_pairs[0] = "62";
    EXPECT_EQ(Marked(&ApplyPositionKillPairs, input),
              Where([](int h, int t, int) { return h == 6 && t == 2; })); // 620..629
    input.position_kill_pairs[0] = "";
    input.position_kill_pairs[2] = "62";
    EXPECT_EQ(Marked(&ApplyPositionKillPairs, input),
              Where([](int, int t, int u) { return t == 6 && u == 2; })); // 062..962
    // Ordered: 26 is not 62.
    input.position_kill_pairs[2] = "26";
    EXPECT_FALSE(Contains(*Marked(&ApplyPositionKillPairs, input), 62));
    // Tolerance 1 to 1 across boxes: exactly one box must hold the pair.
    input.position_kill_pairs = {"12", "13", ""};
    input.position_kill_pairs_tolerance = Range("1", "1");
    const auto marked = Marked(&ApplyPositionKillPairs, input);
    EXPECT_FALSE(Contains(*marked, 125));
    EXPECT_FALSE(Contains(*marked, 143));
    EXPECT_TRUE(Contains(*marked, 123)); // two boxes
    EXPECT_TRUE(Contains(*marked, 456)); // none
    input.position_kill_pairs = {"1", "123", "双击清空"};
    EXPECT_EQ(Marked(&ApplyPositionKillPairs, input), std::nullopt);
}

TEST(ThreeStarPositionRequirePairs, Cases) {
    ThreeStarInput input;
    input.position_require_pairs[2] = "98";
    EXPECT_EQ(Marked(&ApplyPositionRequirePairs, input),
              AllBut(Where([](int, int t, int u) { return t == 9 && u == 8; })));
    // Every active box must list its pair: only 198 meets 19 in 百十 and 98 in 十个.
    input.position_require_pairs[0] = "19 11";
    EXPECT_EQ(Marked(&ApplyPositionRequirePairs, input), AllBut(Rows{198}));
    input.position_require_pairs = {"", "", ""};
    EXPECT_EQ(Marked(&ApplyPositionRequirePairs, input), std::nullopt);
}

struct SumCase {
    const char* name;
    int box; // T_lm_he element 0..14
    const char* text;
    bool (*fails)(int h, int t, int u);
};

std::string* PairSumBox(PairSums& sums, int box) {
    std::array<std::string, 3>* rows[5] = {&sums.keep_sum, &sums.exclude_sum, &sums.keep_diff,
                                           &sums.exclude_diff, &sums.exclude_sum_tail};
    return &(*rows[box / 3])[static_cast<std::size_t>(box % 3)];
}

TEST(ThreeStarPairSums, EachBoxTestsItsPairAndRow) {
    const SumCase cases[] = {
        {"keep sum h+t", 0, "5",
         [](int h, int t, int) {
             return h + t != 5;
         }},
        {"keep sum h+u, two values", 1, "05 18",
         [](int h, int, int u) {
             return h + u != 5 && h + u != 18;
         }},
        {"exclude sum t+u", 5, "10",
         [](int, int t, int u) {
             return t + u == 10;
         }},
        {"keep diff h-t", 6, "0",
         [](int h, int t, int) {
             return h != t;
         }},
        {"exclude diff h-u", 10, "9",
         [](int h, int, int u) {
             return std::abs(h - u) == 9;
         }},
        {"exclude sum tail t+u", 14, "3",
         [](int, int t, int u) {
             return (t + u) % 10 == 3;
         }},
        {"3-character pieces ignored", 0, "5 123",
         [](int h, int t, int) {
             return h + t != 5;
         }},
    };
    for (const SumCase& c : cases) {
        ThreeStarInput input;
        *PairSumBox(input.pair_sums, c.box) = c.text;
        EXPECT_EQ(Marked(&ApplyPairSums, input), Where(c.fails)) << c.name;
    }
}

TEST(ThreeStarPairSums, HintsAndLongPiecesLeaveBoxesInactive) {
    ThreeStarInput input;
    for (int box = 0; box < 15; ++box)
        *PairSumBox(input.pair_sums, box) = std::string(kPairSumHint);
    EXPECT_EQ(Marked(&ApplyPairSums, input), std::nullopt);
    *PairSumBox(input.pair_sums, 4) = "123 4567";
    EXPECT_EQ(Marked(&ApplyPairSums, input), std::nullopt);
}

TEST(ThreeStarPairSums, ActiveBoxesAllMustPass) {
    ThreeStarInput input;
    input.pair_sums.keep_sum[0] = "5";
    input.pair_sums.exclude_diff[2] = "0";
    EXPECT_EQ(Marked(&ApplyPairSums, input),
              Where([](int h, int t, int u) { return h + t != 5 || t == u; }));
}

TEST(ThreeStarAnyTwo, Cases) {
    ThreeStarInput input;
    input.any_two_diffs = Digits("0");
    EXPECT_EQ(Marked(&ApplyAnyTwoTailsAndDiffs, input),
              Where([](int h, int t, int u) { return h != t && h != u && t != u; }));
    input.any_two_diffs = {};
    input.any_two_sum_tails = Digits("0");
    EXPECT_EQ(Marked(&ApplyAnyTwoTailsAndDiffs, input), Where([](int h, int t, int u) {
                  return (h + t) % 10 != 0 && (h + u) % 10 != 0 && (t + u) % 10 != 0;
              }));
    input.any_two_diffs = Digits("9");
    EXPECT_EQ(Marked(&ApplyAnyTwoTailsAndDiffs, input), Where([](int h, int t, int u) {
                  const bool tail = (h + t) % 10 == 0 || (h + u) % 10 == 0 || (t + u) % 10 == 0;
                  const bool diff =
                      std::abs(h - t) == 9 || std::abs(h - u) == 9 || std::abs(t - u) == 9;
                  return !tail || !diff;
              }));
    EXPECT_EQ(Marked(&ApplyAnyTwoTailsAndDiffs, ThreeStarInput{}), std::nullopt);
}

} // namespace
