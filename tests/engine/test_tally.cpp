#include "engine4/candidate_set.hpp"
#include "engine4/pipeline.hpp"

#include <gtest/gtest.h>

#include <ostream>
#include <string>
#include <utility>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;

namespace {

std::vector<int> AllRows() {
    std::vector<int> rows(CandidateSet::kCandidates);
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        rows[static_cast<std::size_t>(n)] = n;
    return rows;
}

TEST(InitCandidate, DigitsThousandsFirstAndEverythingElseZero) {
    FourStarState state;
    // Leave traces of an earlier run everywhere, the notes row included.
    for (int row = 0; row < CandidateSet::kRows; ++row)
        for (int column = 0; column < CandidateSet::kColumns; ++column)
            state.candidates.at(row, column) = 7;
    state.SurvivorText = "0001 0002";
    state.BaseSetActive = true;

    InitCandidateSet(state);

    EXPECT_TRUE(state.SurvivorText.empty());
    EXPECT_FALSE(state.BaseSetActive);
    int wrong = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const int digits[4] = {n / 1000, n / 100 % 10, n / 10 % 10, n % 10};
        for (int column = 0; column < CandidateSet::kColumns; ++column) {
            int expected = 0;
            if (column >= CandidateSet::kFirstDigit && column < CandidateSet::kFirstDigit + 4)
                expected = digits[column - CandidateSet::kFirstDigit];
            if (state.candidates.at(n, column) != expected && ++wrong <= 5)
                ADD_FAILURE() << "row " << n << " column " << column << ": "
                              << state.candidates.at(n, column) << ", expected " << expected;
        }
    }
    EXPECT_EQ(wrong, 0);
    // The notes row is no candidate: no digits, nothing but zero.
    for (int column = 0; column < CandidateSet::kColumns; ++column)
        EXPECT_EQ(state.candidates.at(CandidateSet::kNotesRow, column), 0) << column;
}

TEST(InitCandidate, SampleRowsReadBackAsTheirNumber) {
    const CandidateSet set;
    for (int n : {0, 1, 10, 305, 1234, 9090, 9999}) {
        const int value =
            1000 * set.Digit(n, 0) + 100 * set.Digit(n, 1) + 10 * set.Digit(n, 2) + set.Digit(n, 3);
        EXPECT_EQ(value, n);
    }
}

// One tally situation: marks set on some rows, the base set, the two bounds
// as typed, and the survivors expected.
struct TallyCase {
    const char* name;
    std::vector<std::pair<int, int>> marks; // (row, column) set to 1
    std::vector<int> baseSet;               // rows with column 50 set
    bool baseSetActive;
    RangeText tolerance;
    // Survivors when few; otherwise checked by count and a few rows.
    std::vector<int> survivors;
    int survivorCount;
};

// Keeps the row's name, not its bytes, in the test listing.
void PrintTo(const TallyCase& c, std::ostream* os) {
    *os << c.name;
}

class Tally : public testing::TestWithParam<TallyCase> {};

TEST_P(Tally, DecidesFromMarksBaseSetAndBounds) {
    const TallyCase& c = GetParam();
    FourStarState state;
    InitCandidateSet(state);
    for (auto [row, column] : c.marks)
        state.candidates.at(row, column) = 1;
    for (int row : c.baseSet)
        state.candidates.at(row, CandidateSet::kBaseSetMember) = 1;
    state.BaseSetActive = c.baseSetActive;

    ApplyTally(state, c.tolerance);

    const std::vector<int> kept = CollectRows(state.candidates, 0);
    EXPECT_EQ(static_cast<int>(kept.size()), c.survivorCount);
    if (!c.survivors.empty() || c.survivorCount == 0) {
        EXPECT_EQ(kept, c.survivors);
    }
    // Excluded and kept rows partition the candidates.
    EXPECT_EQ(CollectRows(state.candidates, 1).size() + kept.size(),
              static_cast<std::size_t>(CandidateSet::kCandidates));
}

const std::vector<std::pair<int, int>> kSpreadMarks = {
    // 12 fails one group, 34 two (first and last mark column), 56 three.
    {12, 1}, {34, 1}, {34, 49}, {56, 2}, {56, 14}, {56, 30}};

INSTANTIATE_TEST_SUITE_P(
    Cases, Tally,
    testing::Values(
        TallyCase{"NoMarksZeroRangeKeepsAll", {}, {}, false, {"0", "0"}, {}, 10000},
        TallyCase{"LowerAboveUpperKeepsNothing", {}, {}, false, {"1", "0"}, {}, 0},
        TallyCase{
            "LowerAboveUpperWithMarksKeepsNothing", kSpreadMarks, {}, false, {"3", "2"}, {}, 0},
        TallyCase{"ExactlyOneFailure", kSpreadMarks, {}, false, {"1", "1"}, {12}, 1},
        // Column 49 counts like column 1: both marks of row 34 add up.
        TallyCase{"MarksSummedOverAllColumns", kSpreadMarks, {}, false, {"2", "2"}, {34}, 1},
        TallyCase{"ThreeGroupsFailed", kSpreadMarks, {}, false, {"3", "12"}, {56}, 1},
        TallyCase{"RangeOneToThree", kSpreadMarks, {}, false, {"1", "3"}, {12, 34, 56}, 3},
        TallyCase{"ZeroRangeDropsEveryMarkedRow", kSpreadMarks, {}, false, {"0", "0"}, {}, 9997},
        // Column 0, the base column and the spare columns are no fail marks.
        TallyCase{"OnlyMarkColumnsCount",
                  {{7, 0}, {8, 50}, {9, 55}, {10, 60}},
                  {},
                  false,
                  {"0", "0"},
                  {},
                  10000},
        TallyCase{
            "BaseSetWithZeroRange", {}, {5, 1234, 9999}, true, {"0", "0"}, {5, 1234, 9999}, 3},
        TallyCase{"BaseSetLowerBoundOneKeepsNothing", {}, {5, 1234, 9999}, true, {"1", "5"}, {}, 0},
        // The base set is absolute: a marked member still needs the range.
        TallyCase{"BaseSetMemberStillCounted", {{1234, 3}}, {5, 1234}, true, {"0", "0"}, {5}, 1},
        TallyCase{"BaseSetMemberWithinRange", {{1234, 3}}, {5, 1234}, true, {"1", "1"}, {1234}, 1},
        // Outside the base set no tolerance saves a candidate.
        TallyCase{"OutsideBaseSetNeverSurvives", {{12, 1}}, {5}, true, {"0", "49"}, {5}, 1},
        TallyCase{"BaseColumnIgnoredWhenInactive", {}, {5}, false, {"0", "0"}, {}, 10000},
        // The bounds are texts read by the leading-number rule.
        TallyCase{"TrailingLetterIgnored", kSpreadMarks, {}, false, {"2a", "2b"}, {34}, 1},
        TallyCase{"LeadingLetterReadsZero", kSpreadMarks, {}, false, {"a2", "0"}, {}, 9997},
        TallyCase{"FractionsRoundHalfToEven", kSpreadMarks, {}, false, {"1.5", "2.5"}, {34}, 1},
        TallyCase{"NegativeLowerAllowsZero", kSpreadMarks, {}, false, {"-3", "1"}, {}, 9998},
        TallyCase{"EmptyTextsReadZero", kSpreadMarks, {}, false, {"", ""}, {}, 9997},
        TallyCase{"LeadingBlanksSkipped", kSpreadMarks, {}, false, {"  3", " 3"}, {56}, 1}),
    [](const testing::TestParamInfo<TallyCase>& info) { return std::string(info.param.name); });

TEST(Tally, NotesRowNeitherCountedNorWritten) {
    FourStarState state;
    InitCandidateSet(state);
    for (int column = CandidateSet::kFirstMark; column <= CandidateSet::kLastMark; ++column)
        state.candidates.at(CandidateSet::kNotesRow, column) = 1;
    ApplyTally(state, {"0", "0"});
    EXPECT_EQ(state.candidates.at(CandidateSet::kNotesRow, CandidateSet::kExcluded), 0);
    EXPECT_EQ(CollectRows(state.candidates, 0).size(), 10000u);
}

TEST(Tally, SecondTallyOverwritesTheFirst) {
    FourStarState state;
    InitCandidateSet(state);
    ApplyTally(state, {"1", "0"});
    ASSERT_TRUE(CollectRows(state.candidates, 0).empty());
    ApplyTally(state, {"0", "0"});
    EXPECT_EQ(CollectRows(state.candidates, 0).size(), 10000u);
}

TEST(SurvivorOutput, CollectRowsAscendingByMark) {
    CandidateSet set;
    for (int n : {9999, 3, 42})
        set.at(n, CandidateSet::kExcluded) = 1;
    EXPECT_EQ(CollectRows(set, 1), (std::vector<int>{3, 42, 9999}));
    const std::vector<int> kept = CollectRows(set, 0);
    ASSERT_EQ(kept.size(), 9997u);
    EXPECT_EQ(kept.front(), 0);
    EXPECT_EQ(kept[3], 4);
    EXPECT_EQ(kept.back(), 9998);
}

struct LinesCase {
    const char* name;
    std::vector<int> rows;
    std::string joined;
    std::vector<std::string> lines;
};

void PrintTo(const LinesCase& c, std::ostream* os) {
    *os << c.name;
}

class SurvivorLines : public testing::TestWithParam<LinesCase> {};

TEST_P(SurvivorLines, JoinedAndFourPerLine) {
    const LinesCase& c = GetParam();
    EXPECT_EQ(JoinNumbers(c.rows), c.joined);
    EXPECT_EQ(FourPerLine(c.rows), c.lines);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, SurvivorLines,
    testing::Values(LinesCase{"Empty", {}, "", {}}, LinesCase{"One", {7}, "0007", {"0007 "}},
                    LinesCase{"Two", {7, 42}, "0007 0042", {"0007 0042 "}},
                    LinesCase{"Three", {0, 345, 9999}, "0000 0345 9999", {"0000 0345 9999 "}},
                    LinesCase{"ExactlyFour",
                              {12, 345, 346, 9876},
                              "0012 0345 0346 9876",
                              {"0012 0345 0346 9876 "}},
                    LinesCase{"FiveLeavesOne",
                              {1, 2, 3, 4, 5},
                              "0001 0002 0003 0004 0005",
                              {"0001 0002 0003 0004 ", "0005 "}},
                    LinesCase{"SevenLeavesThree",
                              {10, 20, 30, 40, 50, 60, 70},
                              "0010 0020 0030 0040 0050 0060 0070",
                              {"0010 0020 0030 0040 ", "0050 0060 0070 "}},
                    LinesCase{"EightFillsTwoLines",
                              {1000, 1001, 1002, 1003, 2000, 2001, 2002, 2003},
                              "1000 1001 1002 1003 2000 2001 2002 2003",
                              {"1000 1001 1002 1003 ", "2000 2001 2002 2003 "}}),
    [](const testing::TestParamInfo<LinesCase>& info) { return std::string(info.param.name); });

TEST(SurvivorLines, AllTenThousand) {
    const std::vector<int> rows = AllRows();
    const std::vector<std::string> lines = FourPerLine(rows);
    ASSERT_EQ(lines.size(), 2500u);
    EXPECT_EQ(lines.front(), "0000 0001 0002 0003 ");
    EXPECT_EQ(lines.back(), "9996 9997 9998 9999 ");
    const std::string joined = JoinNumbers(rows);
    EXPECT_EQ(joined.size(), 10000u * 5 - 1);
    EXPECT_EQ(joined.substr(0, 10), "0000 0001 ");
    EXPECT_EQ(joined.substr(joined.size() - 9), "9998 9999");
}

TEST(ShrinkPipeline, ProgressAtTheThreeFixedPointsInOrder) {
    FourStarState state;
    std::vector<double> shares;
    RunShrinkPipeline(FourStarInput{}, state, [&](double share) { shares.push_back(share); });
    EXPECT_EQ(shares, (std::vector<double>{0.001, 0.5, 0.8}));
}

TEST(ShrinkPipeline, EachRunStartsFromAFreshTable) {
    FourStarState state;
    RunShrinkPipeline(FourStarInput{}, state);
    state.candidates.at(5, 3) = 1;
    FourStarInput input;
    input.total_tolerance = {"0", "0"};
    RunShrinkPipeline(input, state);
    EXPECT_EQ(state.candidates.at(5, 3), 0);
    EXPECT_EQ(CollectRows(state.candidates, 0).size(), 10000u);
}

TEST(ShrinkPipeline, NoConditionRunsWithoutProgressCallback) {
    FourStarState state;
    RunShrinkPipeline(FourStarInput{}, state);
    EXPECT_EQ(CollectRows(state.candidates, 0).size(), 10000u);
}

TEST(ShrinkPipeline, TotalToleranceDecides) {
    FourStarState state;
    FourStarInput input;
    input.total_tolerance = {"1", "0"};
    RunShrinkPipeline(input, state);
    EXPECT_TRUE(CollectRows(state.candidates, 0).empty());
    EXPECT_EQ(CollectRows(state.candidates, 1).size(), 10000u);

    input.total_tolerance = {"1", "12"};
    RunShrinkPipeline(input, state);
    EXPECT_TRUE(CollectRows(state.candidates, 0).empty());
}

} // namespace
