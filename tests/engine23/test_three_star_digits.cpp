// Groups 10 to 19: position match, positional bankers, broken groups, kill
// sum tail, kill span, bankers, kill sum, exclude compound, positional kill,
// banker groups.

#include "three_star_test_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

using Rows = std::vector<int>;

TEST(ThreeStarPositionMatch, RulesAreAlternatives) {
    ThreeStarInput input;
    input.position_match = {"百大于个"};
    EXPECT_EQ(Marked(&ApplyPositionMatch, input),
              AllBut(Where([](int h, int, int u) { return h > u; })));
    input.position_match.push_back("百等于个");
    EXPECT_EQ(Marked(&ApplyPositionMatch, input),
              AllBut(Where([](int h, int, int u) { return h >= u; })));
    EXPECT_EQ(Marked(&ApplyPositionMatch, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarPositionMatch, EveryComparison) {
    struct Case {
        const char* rule;
        bool (*holds)(int h, int t, int u);
    };
    const Case cases[] = {
        {"十大于个",
         [](int, int t, int u) {
             return t > u;
         }},
        {"十小于百",
         [](int h, int t, int) {
             return t < h;
         }},
        {"个等于十",
         [](int, int t, int u) {
             return u == t;
         }},
        {"百大于等于十",
         [](int h, int t, int) {
             return h >= t;
         }},
        {"个小于等于百",
         [](int h, int, int u) {
             return u <= h;
         }},
        {"百不等于十",
         [](int h, int t, int) {
             return h != t;
         }},
        // The same position on both sides is evaluated as written.
        {"百等于百",
         [](int, int, int) {
             return true;
         }},
        {"百大于百",
         [](int, int, int) {
             return false;
         }},
        // Unknown comparison or position: never holds.
        {"百大个",
         [](int, int, int) {
             return false;
         }},
        {"a大于个",
         [](int, int, int) {
             return false;
         }},
        {"百大于",
         [](int, int, int) {
             return false;
         }},
        {"",
         [](int, int, int) {
             return false;
         }},
        // Every 百 十 个 is removed before the comparison is read.
        {"百十大于个",
         [](int h, int, int u) {
             return h > u;
         }},
    };
    for (const Case& c : cases) {
        ThreeStarInput input;
        input.position_match = {c.rule};
        EXPECT_EQ(Marked(&ApplyPositionMatch, input), AllBut(Where(c.holds))) << c.rule;
    }
}

TEST(ThreeStarPositionalBankers, Cases) {
    ThreeStarInput input;
    input.positional_bankers.hundreds = Digits("6");
    input.positional_bankers.tens = Digits("7");
    input.positional_bankers.units = Digits("8");
    input.positional_bankers.counts = Digits("2");
    EXPECT_EQ(Marked(&ApplyPositionalBankers, input), AllBut(Where([](int h, int t, int u) {
                  return (h == 6) + (t == 7) + (u == 8) == 2;
              })));
    // No count chosen: 1, 2 or 3 positions right.
    input.positional_bankers.counts = {};
    EXPECT_EQ(Marked(&ApplyPositionalBankers, input),
              Where([](int h, int t, int u) { return h != 6 && t != 7 && u != 8; }));
    // Count "0" allowed: none right.
    input.positional_bankers.counts = Digits("0");
    EXPECT_EQ(Marked(&ApplyPositionalBankers, input),
              AllBut(Where([](int h, int t, int u) { return h != 6 && t != 7 && u != 8; })));
    // Only the units row active.
    input.positional_bankers = {};
    input.positional_bankers.units = Digits("05");
    EXPECT_EQ(Marked(&ApplyPositionalBankers, input),
              Where([](int, int, int u) { return u != 0 && u != 5; }));
    input.positional_bankers = {};
    input.positional_bankers.counts = Digits("3");
    EXPECT_EQ(Marked(&ApplyPositionalBankers, input), std::nullopt);
}

struct BrokenCase {
    const char* name;
    const char* text;
    std::optional<Rows> marked;
};

int GroupsHit(int n, std::initializer_list<const char*> groups) {
    int k = 0;
    for (const char* g : groups) {
        bool hit = false;
        for (const char* c = g; *c != 0; ++c)
            hit = hit || *c - '0' == n / 100 || *c - '0' == n / 10 % 10 || *c - '0' == n % 10;
        k += hit ? 1 : 0;
    }
    return k;
}

template <typename Pred> Rows Failing(Pred pred) {
    Rows rows;
    for (int n = 0; n < 1000; ++n)
        if (pred(n))
            rows.push_back(n);
    return rows;
}

TEST(ThreeStarBrokenGroups, Cases) {
    const Rows everyone = Failing([](int) { return true; });
    const BrokenCase cases[] = {
        {"the written example", "123-2354-6875=12", Failing([](int n) {
             const int k = GroupsHit(n, {"123", "2354", "6875"});
             return k != 1 && k != 2;
         })},
        {"two rules, both must hold", "0-1=1\n2-3=0", Failing([](int n) {
             return GroupsHit(n, {"0", "1"}) != 1 || GroupsHit(n, {"2", "3"}) != 0;
         })},
        {"\\r\\n lines", "0-1=1\r\n2-3=0", Failing([](int n) {
             return GroupsHit(n, {"0", "1"}) != 1 || GroupsHit(n, {"2", "3"}) != 0;
         })},
        {"blanks and junk removed", " 0 - 1 = 1 a", Failing([](int n) {
             return GroupsHit(n, {"0", "1"}) != 1;
         })},
        // The counts are every digit after the first "=".
        {"second = is ignored", "0-1=1=2", Failing([](int n) {
             const int k = GroupsHit(n, {"0", "1"});
             return k != 1 && k != 2;
         })},
        {"empty group never counts", "12--3=2", Failing([](int n) {
             return GroupsHit(n, {"12", "3"}) != 2;
         })},
        {"no count after = fails everyone", "12-3=", everyone},
        {"line without = ignored, no rule: inactive", "12-3", std::nullopt},
        {"empty left part ignored", "=1", std::nullopt},
        {"hint: inactive", "双击清空", std::nullopt},
        {"empty: inactive", "", std::nullopt},
    };
    for (const BrokenCase& c : cases) {
        ThreeStarInput input;
        input.broken_groups = c.text;
        EXPECT_EQ(Marked(&ApplyBrokenGroups, input), c.marked) << c.name;
    }
}

TEST(ThreeStarBrokenGroups, GroupsAfterTheTwentyFirstDropped) {
    // 22 groups: 21 empty ones, then "5"; the "5" group is dropped, so every
    // candidate hits 0 groups.
    std::string text;
    for (int i = 0; i < 21; ++i)
        text += "-";
    ThreeStarInput input;
    input.broken_groups = text + "5=0";
    EXPECT_EQ(Marked(&ApplyBrokenGroups, input), Rows{});
    // With 21 groups the last one counts.
    input.broken_groups = text.substr(1) + "5=0";
    EXPECT_EQ(Marked(&ApplyBrokenGroups, input),
              Failing([](int n) { return n / 100 == 5 || n / 10 % 10 == 5 || n % 10 == 5; }));
}

TEST(ThreeStarKillSumTails, KillsThreeSums) {
    ThreeStarInput input;
    input.kill_sum_tails = Digits("3");
    EXPECT_EQ(Marked(&ApplyKillSumTails, input), Where([](int h, int t, int u) {
                  const int s = h + t + u;
                  return s == 3 || s == 13 || s == 23;
              }));
    EXPECT_EQ(Marked(&ApplyKillSumTails, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarKillSpans, Cases) {
    ThreeStarInput input;
    input.kill_spans = Digits("09");
    EXPECT_EQ(Marked(&ApplyKillSpans, input), Where([](int h, int t, int u) {
                  const int span = std::max({h, t, u}) - std::min({h, t, u});
                  return span == 0 || span == 9;
              }));
    EXPECT_EQ(Marked(&ApplyKillSpans, ThreeStarInput{}), std::nullopt);
}

int DistinctIn(int h, int t, int u, const std::set<int>& bankers) {
    int count = 0;
    for (int d : std::set<int>{h, t, u})
        count += bankers.count(d) != 0 ? 1 : 0;
    return count;
}

TEST(ThreeStarBankers, AtLeastOptions) {
    ThreeStarInput input;
    input.bankers = Digits("6");
    const auto one = Marked(&ApplyBankers, input); // "1个" is the start state
    EXPECT_EQ(one, Where([](int h, int t, int u) { return h != 6 && t != 6 && u != 6; }));
    EXPECT_FALSE(Contains(*one, 666)); // one distinct banker

    input.bankers = Digits("123");
    input.bankers_at_least = 2;
    EXPECT_EQ(Marked(&ApplyBankers, input), Where([](int h, int t, int u) {
                  return DistinctIn(h, t, u, {1, 2, 3}) < 2;
              }));
    EXPECT_TRUE(Contains(*Marked(&ApplyBankers, input), 111)); // one distinct banker
    input.bankers_at_least = 3;
    EXPECT_EQ(Marked(&ApplyBankers, input), AllBut(Where([](int h, int t, int u) {
                  return DistinctIn(h, t, u, {1, 2, 3}) == 3;
              })));
    // No option on allows no count.
    input.bankers_at_least = 0;
    EXPECT_EQ(Marked(&ApplyBankers, input), Where([](int, int, int) { return true; }));
    EXPECT_EQ(Marked(&ApplyBankers, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarKillSums, Cases) {
    ThreeStarInput input;
    input.kill_sums.set(0).set(27).set(13);
    EXPECT_EQ(Marked(&ApplyKillSums, input), Where([](int h, int t, int u) {
                  const int s = h + t + u;
                  return s == 0 || s == 27 || s == 13;
              }));
    EXPECT_EQ(Marked(&ApplyKillSums, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarExcludeCompound, NeedsAllThreeRows) {
    ThreeStarInput input;
    input.exclude_compound = {Digits("12"), Digits("3"), {}};
    EXPECT_EQ(Marked(&ApplyExcludeCompound, input), std::nullopt);
    input.exclude_compound[2] = Digits("45");
    EXPECT_EQ(Marked(&ApplyExcludeCompound, input), (Rows{134, 135, 234, 235}));
}

TEST(ThreeStarPositionKill, Cases) {
    ThreeStarInput input;
    input.position_kill = {Digits("1"), {}, Digits("9")};
    EXPECT_EQ(Marked(&ApplyPositionKill, input),
              Where([](int h, int, int u) { return h == 1 || u == 9; }));
    input.position_kill_tolerance = Range("1", "2");
    EXPECT_EQ(Marked(&ApplyPositionKill, input),
              Where([](int h, int, int u) { return h != 1 && u != 9; }));
    input.position_kill_tolerance = Range("2", "2");
    EXPECT_EQ(Marked(&ApplyPositionKill, input),
              AllBut(Where([](int h, int, int u) { return h == 1 && u == 9; })));
    // Texts read as numbers: "a" reads 0, "-1" allows from 0 on.
    input.position_kill_tolerance = Range("-1", "a");
    EXPECT_EQ(Marked(&ApplyPositionKill, input),
              Where([](int h, int, int u) { return h == 1 || u == 9; }));
    input.position_kill_tolerance = Range("0", "99");
    EXPECT_EQ(Marked(&ApplyPositionKill, input), Rows{});
    EXPECT_EQ(Marked(&ApplyPositionKill, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarBankerGroups, RepeatsCountedOrNot) {
    ThreeStarInput input;
    input.banker_rows[0] = {Digits("123"), Digits("2")};
    EXPECT_FALSE(Contains(*Marked(&ApplyBankerGroups, input), 112)); // two distinct: right
    input.banker_count_repeats = true;
    EXPECT_TRUE(Contains(*Marked(&ApplyBankerGroups, input), 112)); // three hits: wrong
    EXPECT_FALSE(Contains(*Marked(&ApplyBankerGroups, input), 152));
}

TEST(ThreeStarBankerGroups, RowsAndTolerance) {
    ThreeStarInput input;
    input.banker_rows[0] = {Digits("01"), {}}; // no count: 1 to 3
    input.banker_rows[2] = {Digits("9"), Digits("0")};
    input.banker_rows[3] = {{}, Digits("3")}; // no digit: inactive row
    auto wrong = [](int h, int t, int u) {
        const int row1 = DistinctIn(h, t, u, {0, 1});
        const int row3 = DistinctIn(h, t, u, {9});
        return (row1 == 0 ? 1 : 0) + (row3 != 0 ? 1 : 0);
    };
    EXPECT_EQ(Marked(&ApplyBankerGroups, input),
              Where([&](int h, int t, int u) { return wrong(h, t, u) != 0; }));
    input.banker_tolerance = Range("1", "1");
    EXPECT_EQ(Marked(&ApplyBankerGroups, input),
              Where([&](int h, int t, int u) { return wrong(h, t, u) != 1; }));
    input.banker_rows = {};
    EXPECT_EQ(Marked(&ApplyBankerGroups, input), std::nullopt);
}

} // namespace
