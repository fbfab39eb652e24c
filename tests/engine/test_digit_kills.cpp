#include "engine4/digit_kills.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <bitset>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kColumn = 3;
const std::string kSumHint = "和值输入要保持2位数，例如：00 05 08 16";

std::vector<int> SumsOf(const std::bitset<37>& sums) {
    std::vector<int> out;
    for (int s = 0; s <= 36; ++s)
        if (sums.test(static_cast<std::size_t>(s)))
            out.push_back(s);
    return out;
}

TEST(KilledSums, TwoDigitTextsFoundAnywhere) {
    struct Case {
        const char* name;
        std::string text;
        std::vector<int> sums;
    };
    const Case cases[] = {
        {"HintExample", "00 05 08 16", {0, 5, 8, 16}},
        {"GuidanceHintIsNoInput", kSumHint, {}},
        {"HintMarkerAnywhereSwitchesOff", "05 例如", {}},
        {"LoneDigitKillsNothing", "5", {}},
        {"RunsMatchInside", "1620", {16, 20}},
        {"OtherSeparators", "05,16；3３6", {5, 16}},
        {"SumsAboveThirtySixIgnored", "36 37 99", {36}},
        {"NoDigits", "abc", {}},
        {"Empty", "", {}},
    };
    for (const Case& c : cases)
        EXPECT_EQ(SumsOf(KilledSums(c.text)), c.sums) << c.name;
}

TEST(AcValue, DistinctDifferencesZeroIncluded) {
    struct Case {
        int number;
        int ac;
    };
    const Case cases[] = {{7552, 4}, {9814, 6}, {1111, 1}, {1122, 2}, {1234, 3}, {9000, 2}};
    for (const Case& c : cases)
        EXPECT_EQ(AcValue(DigitsOf(c.number)), c.ac) << c.number;
}

int CountIf(bool (*predicate)(int)) {
    int count = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        count += predicate(n) ? 1 : 0;
    return count;
}

TEST(DigitKills, EachKillMarksItsCandidates) {
    struct Case {
        const char* name;
        FourStarInput input;
        int marked;
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    auto with = [](auto setter) {
        FourStarInput input;
        setter(input);
        return input;
    };
    const int sumTailZero =
        CountIf([](int n) { return (n / 1000 + n / 100 % 10 + n / 10 % 10 + n % 10) % 10 == 0; });
    const Case cases[] = {
        {"NothingTicked", FourStarInput{}, 0, {}, {}},
        {"SumTailZero",
         with([](FourStarInput& in) { in.kill_sum_tails = Digits("0"); }),
         sumTailZero,
         {0, 1900, 9993},
         {1}},
        {"DigitSums",
         with([](FourStarInput& in) { in.kill_sums = "00 05 08 16"; }),
         1 + 56 + 165 + 633,
         {0, 5, 1304, 9700},
         {6, 9999}},
        {"SumHint", with([&](FourStarInput& in) { in.kill_sums = kSumHint; }), 0, {}, {}},
        {"SpanZero",
         with([](FourStarInput& in) { in.kill_spans = Digits("0"); }),
         10,
         {0, 1111, 9999},
         {1112}},
        {"SpanNine",
         with([](FourStarInput& in) { in.kill_spans = Digits("9"); }),
         10000 - 2 * 6561 + 4096,
         {9000, 1029},
         {1234}},
        {"KillAllZero",
         with([](FourStarInput& in) { in.kill_all_digits = Digits("0"); }),
         10000 - 6561,
         {1000, 1},
         {1111}},
        {"AcOne",
         with([](FourStarInput& in) { in.kill_ac = Digits("1"); }),
         10,
         {0, 1111, 9999},
         {1112}},
        {"AcSix", with([](FourStarInput& in) { in.kill_ac = Digits("6"); }), -1, {9814}, {7552}},
    };
    for (const Case& c : cases) {
        const auto state = RunGroup(c.input, ApplyDigitKills);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

TEST(DigitKills, KillsShareOneColumnAndCountOnce) {
    FourStarInput input;
    input.kill_spans = Digits("0");
    input.kill_ac = Digits("1");
    input.kill_all_digits = Digits("0");
    const auto state = RunGroup(input, ApplyDigitKills);
    // 0000 is killed three ways and still carries a single mark.
    EXPECT_EQ(state->candidates.at(0, kColumn), 1);
    EXPECT_EQ(CountMarked(*state, kColumn), 10000 - 6561 + 9);

    input.total_tolerance = Range("1", "1");
    EXPECT_EQ(Survivors(input), 10000 - 6561 + 9);
}

} // namespace
