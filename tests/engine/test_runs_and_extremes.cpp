#include "engine4/candidate_set.hpp"
#include "engine4/runs_and_extremes.hpp"
#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

using namespace sorvanta::four;

namespace {

constexpr int kRunColumn = 11;
constexpr int kExtremesColumn = 12;

int Parse(const char* text) {
    return std::stoi(text);
}

std::array<int, 4> DigitsOf(int n) {
    return {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
}

// Independent of the engine's text rules: the longest chain of digits that
// occur, walking the ring 0..9 where 9 is followed by 0.
std::string RingRun(int n) {
    std::array<bool, 10> present{};
    for (int d : DigitsOf(n))
        present[static_cast<std::size_t>(d)] = true;
    int longest = 0;
    for (int start = 0; start < 10; ++start) {
        int length = 0;
        while (length < 10 && present[static_cast<std::size_t>((start + length) % 10)])
            ++length;
        longest = std::max(longest, length);
    }
    static const char* names[] = {"不连", "不连", "2连", "3连", "4连"};
    return names[longest];
}

// By the multiplicities of the digits, largest first.
std::string Multiplicities(int n) {
    std::array<int, 10> counts{};
    for (int d : DigitsOf(n))
        ++counts[static_cast<std::size_t>(d)];
    std::sort(counts.rbegin(), counts.rend());
    if (counts[0] == 4)
        return "AAAA";
    if (counts[0] == 3)
        return "AAAB";
    if (counts[0] == 2)
        return counts[1] == 2 ? "AABB" : "AABC";
    return "ABCD";
}

// A candidate's run or repeat class as the group reads it: the caption whose
// exclusion alone marks it. Each caption is one run of the group.
std::vector<std::string> ClassesMarkedBy(std::size_t first, std::size_t count) {
    std::vector<std::string> classOf(CandidateSet::kCandidates);
    auto set = std::make_unique<CandidateSet>();
    for (std::size_t k = first; k < first + count; ++k) {
        set->Reset();
        ApplyRunAndRepeatClasses({std::string(kRunRepeatCaptions[k])}, *set);
        for (int n = 0; n < CandidateSet::kCandidates; ++n)
            if (set->at(n, kRunColumn) != 0)
                classOf[static_cast<std::size_t>(n)] = kRunRepeatCaptions[k];
    }
    return classOf;
}

std::string RunClassOf(int n) {
    static const std::vector<std::string> classes = ClassesMarkedBy(0, 4);
    return classes[static_cast<std::size_t>(n)];
}

std::string RepeatClassOf(int n) {
    static const std::vector<std::string> classes = ClassesMarkedBy(4, 5);
    return classes[static_cast<std::size_t>(n)];
}

TEST(RunClass, NamedNumbers) {
    const std::map<std::string, std::vector<const char*>> byClass = {
        {"4连", {"1234", "3120", "9012", "8901", "7890", "1290", "0987"}},
        {"3连", {"0124", "9013", "8905", "1235", "0019", "9980"}},
        {"2连", {"1122", "0909", "0259", "1112", "4570"}},
        {"不连", {"1358", "0000", "5555", "0246", "1357", "0028"}},
    };
    for (const auto& [runClass, numbers] : byClass)
        for (const char* number : numbers)
            EXPECT_EQ(RunClassOf(Parse(number)), runClass) << number;
}

TEST(RunClass, EveryCandidateByItsLongestRingRun) {
    std::map<std::string, int> counts;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        ASSERT_EQ(RunClassOf(n), RingRun(n)) << n;
        ++counts[std::string(RunClassOf(n))];
    }
    // Ten runs of four on the ring, in every order.
    EXPECT_EQ(counts["4连"], 240);
}

TEST(RepeatClass, NamedNumbersAndTotals) {
    const struct {
        const char* number;
        const char* repeatClass;
    } cases[] = {
        {"1122", "AABB"}, {"1212", "AABB"}, {"4499", "AABB"}, {"1112", "AAAB"},
        {"1211", "AAAB"}, {"6696", "AAAB"}, {"2111", "AAAB"}, {"0000", "AAAA"},
        {"1123", "AABC"}, {"3121", "AABC"}, {"9012", "ABCD"}, {"0001", "AAAB"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(RepeatClassOf(Parse(c.number)), c.repeatClass) << c.number;

    std::map<std::string, int> counts;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        ASSERT_EQ(RepeatClassOf(n), Multiplicities(n)) << n;
        ++counts[std::string(RepeatClassOf(n))];
    }
    EXPECT_EQ(counts["AAAA"], 10);
    EXPECT_EQ(counts["AAAB"], 360);
    EXPECT_EQ(counts["AABB"], 270);
    EXPECT_EQ(counts["AABC"], 4320);
    EXPECT_EQ(counts["ABCD"], 5040);
}

// Only `column` may change, and never in the notes row.
void ExpectOnlyColumnWritten(const CandidateSet& set, int column) {
    EXPECT_TRUE(testing_support::OnlyColumnWritten(set, column));
    EXPECT_EQ(set.at(CandidateSet::kNotesRow, column), 0);
}

struct ClassCase {
    const char* name;
    CaptionSet excluded;
    std::vector<const char*> marked;
    std::vector<const char*> untouched;
};

class RunAndRepeatClasses : public testing::TestWithParam<ClassCase> {};

TEST_P(RunAndRepeatClasses, MarksEveryCandidateOfAnExcludedClassOnce) {
    const ClassCase& c = GetParam();
    CandidateSet set;
    ApplyRunAndRepeatClasses(c.excluded, set);

    for (const char* number : c.marked)
        EXPECT_EQ(set.at(Parse(number), kRunColumn), 1) << number;
    for (const char* number : c.untouched)
        EXPECT_EQ(set.at(Parse(number), kRunColumn), 0) << number;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const bool expected =
            c.excluded.contains(RingRun(n)) || c.excluded.contains(Multiplicities(n));
        ASSERT_EQ(set.at(n, kRunColumn), expected ? 1 : 0) << n;
    }
    ExpectOnlyColumnWritten(set, kRunColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, RunAndRepeatClasses,
    testing::Values(
        ClassCase{"FourRunWithWrapAround",
                  {"4连"},
                  {"1234", "3120", "9012", "8901", "7890", "2109", "0198"},
                  {"0124", "1235", "0000"}},
        ClassCase{"ThreeRunIsNotAFourRun", {"3连"}, {"0124", "9013", "8905"}, {"1234", "9012"}},
        ClassCase{"TwoRunLeavesLongerRuns", {"2连"}, {"1122", "0909"}, {"0124", "1234"}},
        ClassCase{"NoRun", {"不连"}, {"1358", "0000"}, {"1290", "0909"}},
        ClassCase{"DoublePairs", {"AABB"}, {"1122", "1212", "4499"}, {"1112", "1123"}},
        ClassCase{"Triples", {"AAAB"}, {"1112", "1211", "6696"}, {"1122", "0000"}},
        ClassCase{"FourEqual", {"AAAA"}, {"0000", "5555", "9999"}, {"0001"}},
        ClassCase{"OnePair", {"AABC"}, {"1123", "0091"}, {"1122", "1234"}},
        ClassCase{"AllDifferent", {"ABCD"}, {"1234", "1357"}, {"1123"}},
        ClassCase{"RunAndRepeatTogether", {"2连", "AAAA"}, {"1122", "5555"}, {"1357", "0124"}},
        ClassCase{"EveryRunClass", {"不连", "2连", "3连", "4连"}, {"0000", "1234"}, {}},
        ClassCase{"UnknownCaptionIsIgnored", {"5连", "AAAAA"}, {}, {"1234", "0000"}},
        ClassCase{"NothingChosen", {}, {}, {"1234", "0000"}}),
    [](const testing::TestParamInfo<ClassCase>& info) { return std::string(info.param.name); });

DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

struct ExtremeCase {
    const char* name;
    std::string smallest;
    std::string largest;
    std::vector<const char*> marked;
    std::vector<const char*> untouched;
    int markedCount;
};

class MinMaxDigits : public testing::TestWithParam<ExtremeCase> {};

TEST_P(MinMaxDigits, MarksWhenTheSmallestOrLargestDigitIsNotChosen) {
    const ExtremeCase& c = GetParam();
    CandidateSet set;
    ApplyMinMaxDigits(Digits(c.smallest), Digits(c.largest), set);

    for (const char* number : c.marked)
        EXPECT_EQ(set.at(Parse(number), kExtremesColumn), 1) << number;
    for (const char* number : c.untouched)
        EXPECT_EQ(set.at(Parse(number), kExtremesColumn), 0) << number;
    int count = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const std::array<int, 4> d = DigitsOf(n);
        const char low = static_cast<char>('0' + *std::min_element(d.begin(), d.end()));
        const char high = static_cast<char>('0' + *std::max_element(d.begin(), d.end()));
        const bool fails = (!c.smallest.empty() && c.smallest.find(low) == std::string::npos) ||
                           (!c.largest.empty() && c.largest.find(high) == std::string::npos);
        ASSERT_EQ(set.at(n, kExtremesColumn), fails ? 1 : 0) << n;
        count += fails ? 1 : 0;
    }
    EXPECT_EQ(count, c.markedCount);
    ExpectOnlyColumnWritten(set, kExtremesColumn);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MinMaxDigits,
    testing::Values(
        // Passing: digits within 2..6 holding both ends, 5^4 - 2 * 4^4 + 3^4 = 194.
        ExtremeCase{"SmallestTwoLargestSix", "2", "6", {"1246", "2247"}, {"2246", "3256"}, 9806},
        // Every candidate without a 9 fails: 9^4 of them.
        ExtremeCase{"OnlyLargestNine", "", "9", {"0000", "8888"}, {"0009", "9999"}, 6561},
        ExtremeCase{"OnlySmallestZero", "0", "", {"1111", "9999"}, {"0999"}, 6561},
        ExtremeCase{"OneDigitIsBothExtremes", "7", "7", {"7778"}, {"7777"}, 9999},
        // Passing: smallest 0 or 2 with largest 6 or 8, 434 + 770 + 194 + 434.
        ExtremeCase{"SeveralOfEach", "02", "68", {"1246", "2249"}, {"0006", "2228", "0268"}, 8168},
        ExtremeCase{"SmallestAboveLargestMarksAll", "5", "3", {"5555", "3333"}, {}, 10000},
        ExtremeCase{"NothingChosen", "", "", {}, {"1234"}, 0}),
    [](const testing::TestParamInfo<ExtremeCase>& info) { return std::string(info.param.name); });

} // namespace
