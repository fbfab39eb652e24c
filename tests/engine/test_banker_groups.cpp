#include "engine4/banker_groups.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kColumn = 4;

struct RowChoice {
    const char* digits;
    const char* counts;
};

TEST(BankerGroups, WrongRowsAgainstTheTolerance) {
    struct Case {
        const char* name;
        std::vector<RowChoice> rows;
        bool repeats;
        RangeText tolerance;
        int marked; // -1: only the samples are checked
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const Case cases[] = {
        {"NoCountMeansAtLeastOne", {{"5", ""}}, false, Range("0", "0"), 6561, {1234}, {5, 5555}},
        {"CountZeroWantsNone", {{"5", "0"}}, false, Range("0", "0"), 3439, {5}, {1234}},
        {"BothDigitsWanted", {{"38", "2"}}, false, Range("0", "0"), -1, {3313}, {3813, 8833}},
        {"RepeatsCounted", {{"3", "2"}}, true, Range("0", "0"), -1, {3313, 3815}, {3013, 3813}},
        {"ExactlyOneRowWrong",
         {{"5", ""}, {"6", ""}},
         false,
         Range("1", "1"),
         -1,
         {5566, 1234},
         {5111, 6111}},
        {"CountsWithoutDigitsIgnored", {{"", "0"}, {"", "34"}}, false, Range("0", "0"), 0, {}, {}},
        {"UnusedRowsDoNotCount",
         {{"", "4"}, {"1", "1234"}},
         false,
         Range("0", "0"),
         6561,
         {2345},
         {1000}},
        {"FourRowsAtMostTwoWrong",
         {{"1", ""}, {"2", ""}, {"3", ""}, {"4", ""}},
         false,
         Range("0", "2"),
         -1,
         {5671, 5678},
         {1256, 1234}},
        {"EveryDigitTwoDistinct",
         {{"0123456789", "2"}},
         false,
         Range("0", "0"),
         -1,
         {1234, 1111},
         {1122, 9990}},
        {"RepeatsReachFour", {{"38", "4"}}, true, Range("0", "0"), -1, {3813}, {3838, 8888}},
        {"ReversedRangeMarksAll", {{"9", ""}}, false, Range("2", "1"), 10000, {}, {}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        for (std::size_t r = 0; r < c.rows.size(); ++r)
            input.banker_rows[r] = {Digits(c.rows[r].digits), Digits(c.rows[r].counts)};
        input.banker_count_repeats = c.repeats;
        input.banker_tolerance = c.tolerance;
        const auto state = RunGroup(input, ApplyBankerGroups);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

TEST(BankerGroups, CountLargerThanTheDigitsIsWrongForEveryone) {
    // Counts chosen before the digits were reduced: nobody can bring three
    // distinct digits out of two.
    FourStarInput input;
    input.banker_rows[0] = {Digits("12"), Digits("3")};
    EXPECT_EQ(Survivors(input), 0);
    input.banker_count_repeats = true;
    EXPECT_GT(Survivors(input), 0);
}

} // namespace
