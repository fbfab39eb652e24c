#include "engine4/shape_patterns.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <set>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kMerged = 7;

TEST(PatternCaptions, EveryPatternOnceInPanelOrder) {
    struct Case {
        PatternKind kind;
        std::size_t size;
        const char* first;
        const char* second;
        const char* last;
    };
    const Case cases[] = {
        {PatternKind::BigSmall, 16, "大大大大", "大大小大", "小小小小"},
        {PatternKind::OddEven, 16, "奇奇奇奇", "奇奇偶奇", "偶偶偶偶"},
        {PatternKind::PrimeComposite, 16, "质质质质", "质质合质", "合合合合"},
        {PatternKind::Route012, 81, "0000", "0001", "2222"},
    };
    for (const Case& c : cases) {
        const std::vector<std::string>& captions = PatternCaptions(c.kind);
        ASSERT_EQ(captions.size(), c.size);
        EXPECT_EQ(std::set<std::string>(captions.begin(), captions.end()).size(), c.size);
        EXPECT_EQ(captions.front(), c.first);
        EXPECT_EQ(captions[1], c.second);
        EXPECT_EQ(captions.back(), c.last);
    }
    EXPECT_EQ(PatternCaptions(PatternKind::BigSmall)[8], "大大大小");
}

// The caption of a kind a candidate shows, as the group reads it: the one
// whose exclusion alone marks it (the merge leaves each run's marks alone
// in column 7).
std::string PatternOf(PatternKind kind, const CandidateDigits::Digits& d) {
    const int n = ((d[0] * 10 + d[1]) * 10 + d[2]) * 10 + d[3];
    CaptionSet FourStarInput::*const chosen[4] = {
        &FourStarInput::pattern_big_small, &FourStarInput::pattern_odd_even,
        &FourStarInput::pattern_prime_composite, &FourStarInput::pattern_route012};
    auto state = FreshState();
    const CandidateDigits digits(state->candidates);
    for (const std::string& caption : PatternCaptions(kind)) {
        FourStarInput input;
        input.*chosen[static_cast<std::size_t>(kind)] = {caption};
        ApplyShapePatterns(input, digits, state->candidates);
        if (state->candidates.at(n, kMerged) != 0)
            return caption;
    }
    return "";
}

TEST(PatternOf, ClassesPerPositionThousandsFirst) {
    struct Case {
        int number;
        const char* bigSmall;
        const char* oddEven;
        const char* primeComposite;
        const char* route;
    };
    const Case cases[] = {
        {5892, "大大大小", "奇偶奇偶", "质合合质", "2202"},
        {9468, "大小大大", "奇偶偶偶", "合合合合", "0102"},
        {1037, "小小小大", "奇偶奇奇", "质合质质", "1001"},
    };
    for (const Case& c : cases) {
        const auto digits = DigitsOf(c.number);
        EXPECT_EQ(PatternOf(PatternKind::BigSmall, digits), c.bigSmall) << c.number;
        EXPECT_EQ(PatternOf(PatternKind::OddEven, digits), c.oddEven) << c.number;
        EXPECT_EQ(PatternOf(PatternKind::PrimeComposite, digits), c.primeComposite) << c.number;
        EXPECT_EQ(PatternOf(PatternKind::Route012, digits), c.route) << c.number;
    }
}

// All pattern steps and the merge, as the pipeline runs them.
std::unique_ptr<FourStarState> Patterns(const FourStarInput& input) {
    auto state = FreshState();
    const CandidateDigits digits(state->candidates);
    CandidateSet& set = state->candidates;
    for (PatternKind kind : kPatternKinds)
        ApplyPatterns(kind, input, digits, set);
    MergeShapePatterns(input, set);
    return state;
}

TEST(ShapePatterns, GroupsMergeIntoOneColumnByTheirTolerance) {
    struct Case {
        const char* name;
        CaptionSet bigSmall, oddEven, primeComposite, route;
        RangeText tolerance;
        int marked; // -1: only the samples are checked
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const std::vector<std::string>& routes = PatternCaptions(PatternKind::Route012);
    const CaptionSet allRoutes(routes.begin(), routes.end());
    const Case cases[] = {
        {"NothingChosen", {}, {}, {}, {}, Range("4", "1"), 0, {}, {}},
        {"AllBig", {"大大大大"}, {}, {}, {}, Range("0", "0"), 625, {5678, 9999}, {4999}},
        {"AllBigToleranceOneKeepsOnlyThem",
         {"大大大大"},
         {},
         {},
         {},
         Range("1", "1"),
         10000 - 625,
         {4999},
         {5678}},
        {"EveryRoutePattern", {}, {}, {}, allRoutes, Range("0", "0"), 10000, {}, {}},
        {"RouteExample", {}, {}, {}, {"2202"}, Range("0", "0"), 3 * 3 * 4 * 3, {5892}, {5893}},
        {"TwoGroupsOneMayFail",
         {"大大大大"},
         {"奇奇奇奇"},
         {},
         {},
         Range("0", "1"),
         3 * 3 * 3 * 3, // both fail only on 5 7 9 throughout
         {5795, 9999},
         {5678, 1357, 1234}},
        {"ReversedRangeMarksAll", {}, {}, {"合合合合"}, {}, Range("1", "0"), 10000, {}, {}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.pattern_big_small = c.bigSmall;
        input.pattern_odd_even = c.oddEven;
        input.pattern_prime_composite = c.primeComposite;
        input.pattern_route012 = c.route;
        input.pattern_tolerance = c.tolerance;
        const auto state = Patterns(input);
        if (c.marked >= 0) {
            EXPECT_EQ(CountMarked(*state, kMerged), c.marked) << c.name;
        }
        for (int column = 8; column <= 10; ++column)
            EXPECT_EQ(CountMarked(*state, column), 0) << c.name << " column " << column;
        for (int n : c.markedSamples)
            EXPECT_EQ(state->candidates.at(n, kMerged), 1) << c.name << " " << n;
        for (int n : c.clearSamples)
            EXPECT_EQ(state->candidates.at(n, kMerged), 0) << c.name << " " << n;
    }
}

TEST(ShapePatterns, NotesRowSaysWhichGroupsWereInUse) {
    FourStarInput input;
    input.pattern_odd_even = {"奇奇奇奇"};
    input.pattern_route012 = {"0000"};
    const auto state = Patterns(input);
    const CandidateSet& set = state->candidates;
    EXPECT_EQ(set.at(CandidateSet::kNotesRow, 7), 0);
    EXPECT_EQ(set.at(CandidateSet::kNotesRow, 8), 1);
    EXPECT_EQ(set.at(CandidateSet::kNotesRow, 9), 0);
    EXPECT_EQ(set.at(CandidateSet::kNotesRow, 10), 1);
    // Only column 7 and the notes are touched.
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        for (int column : {5, 6, 8, 9, 10, 11})
            ASSERT_EQ(set.at(n, column), 0) << n << " " << column;
}

TEST(ShapePatterns, EveryRoutePatternLeavesNoBet) {
    FourStarInput input;
    const std::vector<std::string>& routes = PatternCaptions(PatternKind::Route012);
    input.pattern_route012 = CaptionSet(routes.begin(), routes.end());
    EXPECT_EQ(Survivors(input), 0);
}

} // namespace
