#include "engine4/shape_ratios.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kColumn = 5;

TEST(ShapeRatios, CaptionsAgainstTheDigitClasses) {
    struct Case {
        const char* name;
        CaptionSet bigSmall;
        CaptionSet oddEven;
        CaptionSet primeComposite;
        RangeText tolerance;
        int marked; // -1: only the samples are checked
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const CaptionSet all = {"0:4", "1:3", "2:2", "3:1", "4:0"};
    const Case cases[] = {
        {"NothingChosen", {}, {}, {}, Range("3", "1"), 0, {}, {}},
        {"OneBigThreeSmall", {"1:3"}, {}, {}, Range("0", "0"), 10000 - 2500, {5678}, {5012, 9321}},
        {"AllFiveOfAKind", all, {}, {}, Range("0", "0"), 0, {}, {}},
        // 1 counts as prime here: all-prime numbers are those over 1 2 3 5 7.
        {"AllPrime", {}, {}, {"4:0"}, Range("0", "0"), 10000 - 625, {9999, 4444}, {1111, 7532}},
        {"TwoTwoOddEven", {}, {"2:2"}, {}, Range("0", "0"), 10000 - 6 * 625, {1357}, {1234, 5612}},
        {"ExactlyOneKindMisses",
         {"4:0"},
         {"0:4"},
         {},
         Range("1", "1"),
         -1,
         {6688, 1111},
         {5555, 2222}},
        {"ReversedRangeMarksAll", {"2:2"}, {}, {}, Range("1", "0"), 10000, {}, {}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.ratio_big_small = c.bigSmall;
        input.ratio_odd_even = c.oddEven;
        input.ratio_prime_composite = c.primeComposite;
        input.ratio_tolerance = c.tolerance;
        const auto state = RunGroup(input, ApplyShapeRatios);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

TEST(ShapeRatios, OneBigThreeSmallThroughThePipeline) {
    FourStarInput input;
    input.ratio_big_small = {"1:3"};
    EXPECT_EQ(Survivors(input), 2500);
}

} // namespace
