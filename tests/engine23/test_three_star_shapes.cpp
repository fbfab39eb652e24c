// Groups 20 to 24: kill shapes, largest and smallest digit, keep counts,
// exclude 012 routes, special exclusions; and the caption tables they read.

#include "three_star_test_support.hpp"

#include "engine23/three_star_captions.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <set>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

using Rows = std::vector<int>;

bool Big(int d) {
    return d >= 5;
}
bool Odd(int d) {
    return d % 2 == 1;
}
bool Prime(int d) {
    return d == 1 || d == 2 || d == 3 || d == 5 || d == 7;
}

TEST(ThreeStarCaptions, ShapeFamiliesOfferEveryShapeOnce) {
    for (Captions family : {Captions(kBigSmallShapeCaptions), Captions(kOddEvenShapeCaptions),
                            Captions(kPrimeCompositeShapeCaptions)}) {
        std::set<std::string_view> distinct(family.begin(), family.end());
        EXPECT_EQ(distinct.size(), 8u);
    }
    std::set<std::string_view> routes(kRouteCaptions.begin(), kRouteCaptions.end());
    EXPECT_EQ(routes.size(), 27u);
    EXPECT_TRUE(std::is_sorted(kRouteCaptions.begin(), kRouteCaptions.end()));
}

TEST(ThreeStarKillShapes, OneFamily) {
    ThreeStarInput input;
    input.kill_shapes.big_small = {"大小大"};
    EXPECT_EQ(Marked(&ApplyKillShapes, input),
              Where([](int h, int t, int u) { return Big(h) && !Big(t) && Big(u); }));
    input.kill_shapes.big_small = {"not a caption"};
    EXPECT_EQ(Marked(&ApplyKillShapes, input), std::nullopt);
}

TEST(ThreeStarKillShapes, ToleranceAcrossFamilies) {
    ThreeStarInput input;
    input.kill_shapes.odd_even = {"奇奇奇"};
    input.kill_shapes.prime_composite = {"质质质"};
    auto hits = [](int h, int t, int u) {
        return (Odd(h) && Odd(t) && Odd(u) ? 1 : 0) + (Prime(h) && Prime(t) && Prime(u) ? 1 : 0);
    };
    EXPECT_EQ(Marked(&ApplyKillShapes, input),
              Where([&](int h, int t, int u) { return hits(h, t, u) > 0; }));
    input.kill_shapes_tolerance = Range("1", "1");
    EXPECT_EQ(Marked(&ApplyKillShapes, input),
              Where([&](int h, int t, int u) { return hits(h, t, u) != 1; }));
    EXPECT_FALSE(Contains(*Marked(&ApplyKillShapes, input), 159)); // odd, not all prime
    EXPECT_TRUE(Contains(*Marked(&ApplyKillShapes, input), 137));  // both
}

TEST(ThreeStarLargestSmallest, Cases) {
    ThreeStarInput input;
    input.largest_digits = "9 8";
    EXPECT_EQ(Marked(&ApplyLargestSmallest, input), Where([](int h, int t, int u) {
                  return std::max({h, t, u}) < 8;
              }));
    input.smallest_digits = "0,1";
    EXPECT_EQ(Marked(&ApplyLargestSmallest, input), Where([](int h, int t, int u) {
                  return std::max({h, t, u}) < 8 || std::min({h, t, u}) > 1;
              }));
    input.largest_digits = "双击清空";
    input.smallest_digits = "01";
    EXPECT_EQ(Marked(&ApplyLargestSmallest, input), Where([](int h, int t, int u) {
                  return std::min({h, t, u}) > 1;
              }));
    EXPECT_EQ(Marked(&ApplyLargestSmallest, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarKeepCounts, Cases) {
    ThreeStarInput input;
    input.keep_counts.big = Digits("03");
    EXPECT_EQ(Marked(&ApplyKeepCounts, input), Where([](int h, int t, int u) {
                  const int big = Big(h) + Big(t) + Big(u);
                  return big != 0 && big != 3;
              }));
    input.keep_counts.prime = Digits("2");
    EXPECT_EQ(Marked(&ApplyKeepCounts, input), Where([](int h, int t, int u) {
                  const int big = Big(h) + Big(t) + Big(u);
                  return (big != 0 && big != 3) || Prime(h) + Prime(t) + Prime(u) != 2;
              }));
    input.keep_counts = {};
    input.keep_counts.odd = Digits("1");
    EXPECT_EQ(Marked(&ApplyKeepCounts, input),
              Where([](int h, int t, int u) { return Odd(h) + Odd(t) + Odd(u) != 1; }));
    EXPECT_EQ(Marked(&ApplyKeepCounts, ThreeStarInput{}), std::nullopt);
}

TEST(ThreeStarExcludeRoutes, Cases) {
    ThreeStarInput input;
    input.exclude_routes = {"112"};
    const auto marked = Marked(&ApplyExcludeRoutes, input);
    EXPECT_TRUE(Contains(*marked, 478));
    EXPECT_EQ(marked,
              Where([](int h, int t, int u) { return h % 3 == 1 && t % 3 == 1 && u % 3 == 2; }));
    input.exclude_routes = {"000", "222"};
    EXPECT_EQ(Marked(&ApplyExcludeRoutes, input), Where([](int h, int t, int u) {
                  return (h % 3 == 0 && t % 3 == 0 && u % 3 == 0) ||
                         (h % 3 == 2 && t % 3 == 2 && u % 3 == 2);
              }));
    EXPECT_EQ(Marked(&ApplyExcludeRoutes, ThreeStarInput{}), std::nullopt);
}

std::optional<Rows> Special(std::initializer_list<const char*> captions) {
    ThreeStarInput input;
    for (const char* c : captions)
        input.special_exclusions.insert(c);
    return Marked(&ApplySpecialExclusions, input);
}

TEST(ThreeStarSpecialExclusions, ThreeRunsWrapAround) {
    const auto marked = Special({"3连"});
    for (int n : {123, 321, 890, 19, 91, 908, 789})
        EXPECT_TRUE(Contains(*marked, n)) << n;
    for (int n : {124, 112, 135, 892})
        EXPECT_FALSE(Contains(*marked, n)) << n;
    EXPECT_EQ(marked->size(), 10u * 6u); // ten runs, six orderings each
}

TEST(ThreeStarSpecialExclusions, TwoRunsLeaveThreeRunsAlone) {
    const auto marked = Special({"2连"});
    for (int n : {124, 905, 112, 990})
        EXPECT_TRUE(Contains(*marked, n)) << n;
    for (int n : {123, 135, 890, 555})
        EXPECT_FALSE(Contains(*marked, n)) << n;
    const auto noRun = Special({"不连"});
    for (int n : {135, 555, 246})
        EXPECT_TRUE(Contains(*noRun, n)) << n;
    for (int n : {123, 124, 905})
        EXPECT_FALSE(Contains(*noRun, n)) << n;
}

TEST(ThreeStarSpecialExclusions, GroupTypes) {
    EXPECT_EQ(Special({"豹子"}), Where([](int h, int t, int u) { return h == t && t == u; }));
    EXPECT_EQ(Special({"组三"}), Where([](int h, int t, int u) {
                  return std::set<int>{h, t, u}.size() == 2;
              }));
    EXPECT_EQ(Special({"组六", "豹子"}), Where([](int h, int t, int u) {
                  return std::set<int>{h, t, u}.size() != 2;
              }));
}

TEST(ThreeStarSpecialExclusions, HillsAndPeaks) {
    EXPECT_EQ(Special({"上山"}),
              Where([](int h, int t, int u) { return h <= t && t <= u && h < u; }));
    EXPECT_EQ(Special({"下山"}),
              Where([](int h, int t, int u) { return h >= t && t >= u && h > u; }));
    EXPECT_FALSE(Contains(*Special({"上山", "下山"}), 555));
    EXPECT_EQ(Special({"凸型"}), Where([](int h, int t, int u) { return h < t && u < t; }));
    EXPECT_EQ(Special({"凹型"}), Where([](int h, int t, int u) { return t < h && t < u; }));
}

TEST(ThreeStarSpecialExclusions, AnyFailedTestMarks) {
    const auto marked = Special({"豹子", "上山"});
    EXPECT_TRUE(Contains(*marked, 555));
    EXPECT_TRUE(Contains(*marked, 123));
    EXPECT_FALSE(Contains(*marked, 321));
    EXPECT_EQ(Special({}), std::nullopt);
    EXPECT_EQ(Special({"凸形"}), std::nullopt); // the four-star caption is no button here
}

} // namespace
