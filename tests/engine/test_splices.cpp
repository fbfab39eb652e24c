#include "engine4/candidate_set.hpp"
#include "engine4/splices.hpp"
#include "four_star_groups_support.hpp"

#include "common/number_list.hpp"

#include <gtest/gtest.h>

#include <array>
#include <set>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;

namespace {

constexpr int kTwoStarColumn = 13;
constexpr int kThreeStarColumn = 14;

// The numbers a box holds, as texts, read the slow way.
std::set<std::string> Pieces(const std::string& text, std::size_t width) {
    std::set<std::string> pieces;
    std::string piece;
    for (char c : text + " ") {
        if (c >= '0' && c <= '9') {
            piece.push_back(c);
            continue;
        }
        if (piece.size() == width)
            pieces.insert(piece);
        piece.clear();
    }
    return pieces;
}

// The box's positions read off its own label: a character other than "*"
// covers that position.
std::vector<std::size_t> PositionsOf(const std::string& pattern) {
    std::vector<std::size_t> positions;
    std::size_t position = 0;
    for (std::size_t i = 0; i < pattern.size();) {
        const bool star = pattern[i] == '*';
        if (!star)
            positions.push_back(position);
        i += star ? 1 : 3; // 千百十个 are three bytes each
        ++position;
    }
    return positions;
}

template <std::size_t Boxes>
std::vector<bool> ExpectedMarks(const std::array<std::string, Boxes>& boxes,
                                const std::array<const char*, Boxes>& patterns, SpliceMode mode,
                                int lower, int upper) {
    const std::size_t width = PositionsOf(patterns[0]).size();
    std::vector<std::set<std::string>> held;
    std::vector<std::vector<std::size_t>> positions;
    for (std::size_t j = 0; j < Boxes; ++j) {
        std::set<std::string> pieces = Pieces(boxes[j], width);
        if (pieces.empty())
            continue;
        held.push_back(std::move(pieces));
        positions.push_back(PositionsOf(patterns[j]));
    }
    std::vector<bool> marks(CandidateSet::kCandidates, false);
    if (held.empty())
        return marks;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const std::string s = FixedWidth(n, 4);
        int fails = 0;
        for (std::size_t j = 0; j < held.size(); ++j) {
            std::string key;
            for (std::size_t p : positions[j])
                key.push_back(s[p]);
            fails += held[j].contains(key) ? 0 : 1;
        }
        const bool allowed = fails >= lower && fails <= upper;
        marks[static_cast<std::size_t>(n)] = mode == SpliceMode::Keep ? !allowed : allowed;
    }
    return marks;
}

void ExpectColumn(const CandidateSet& set, int column, const std::vector<bool>& expected,
                  int escaping) {
    int unmarked = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        ASSERT_EQ(set.at(n, column), expected[static_cast<std::size_t>(n)] ? 1 : 0) << n;
        unmarked += set.at(n, column) == 0 ? 1 : 0;
    }
    EXPECT_EQ(unmarked, escaping);
    EXPECT_TRUE(testing_support::OnlyColumnWritten(set, column));
    EXPECT_EQ(set.at(CandidateSet::kNotesRow, column), 0);
}

struct TwoStarCase {
    const char* name;
    std::array<std::string, 6> boxes; // 千百** 千*十* 千**个 *百十* *百*个 **十个
    SpliceMode mode;
    int lower;
    int upper;
    int escaping; // candidates left without a mark
    std::vector<const char*> escapes;
};

class TwoStarSplice : public testing::TestWithParam<TwoStarCase> {};

TEST_P(TwoStarSplice, CountsTheBoxesACandidateMisses) {
    const TwoStarCase& c = GetParam();
    CandidateSet set;
    ApplyTwoStarSplice(c.boxes, c.mode, RangeText{std::to_string(c.lower), std::to_string(c.upper)},
                       set);
    for (const char* number : c.escapes)
        EXPECT_EQ(set.at(std::stoi(number), kTwoStarColumn), 0) << number;
    ExpectColumn(set, kTwoStarColumn,
                 ExpectedMarks(c.boxes, kTwoStarSplicePatterns, c.mode, c.lower, c.upper),
                 c.escaping);
}

const SpliceMode kKeep = SpliceMode::Keep;
const SpliceMode kDelete = SpliceMode::Delete;

INSTANTIATE_TEST_SUITE_P(
    Cases, TwoStarSplice,
    testing::Values(
        TwoStarCase{"UnitsPairKeep", {"", "", "", "", "", "88"}, kKeep, 0, 0, 100, {"0088"}},
        TwoStarCase{"UnitsPairDeleteMarksTheSameHundred",
                    {"", "", "", "", "", "88"},
                    kDelete,
                    0,
                    0,
                    9900,
                    {"0087"}},
        TwoStarCase{
            "IntersectionOfTwoBoxes", {"56", "", "", "", "", "88"}, kKeep, 0, 0, 1, {"5688"}},
        TwoStarCase{"UnionOfTwoBoxes",
                    {"56", "", "", "", "", "88"},
                    kKeep,
                    0,
                    1,
                    199,
                    {"5600", "0088", "5688"}},
        TwoStarCase{"ThousandsAndTens", {"", "12", "", "", "", ""}, kKeep, 0, 0, 100, {"1029"}},
        TwoStarCase{
            "HundredsAndUnits", {"", "", "", "", "05,17", ""}, kKeep, 0, 0, 200, {"9005", "3117"}},
        TwoStarCase{"ThousandsAndUnitsFirstDigitFirst",
                    {"", "", "91", "", "", ""},
                    kKeep,
                    0,
                    0,
                    100,
                    {"9001"}},
        TwoStarCase{"MissingExactlyOneBox",
                    {"56", "", "", "", "", "88"},
                    kKeep,
                    1,
                    1,
                    198,
                    {"5600", "0088"}},
        TwoStarCase{
            "EverySixBoxes", {"12", "13", "14", "23", "24", "34"}, kKeep, 0, 0, 1, {"1234"}},
        TwoStarCase{
            "BoxesOfWrongLengthsAreOff", {"123", "1", "中文", "", "", ""}, kKeep, 1, 1, 10000, {}},
        TwoStarCase{"ReversedRangeKeepsNothing", {"12", "", "", "", "", ""}, kKeep, 2, 1, 0, {}},
        TwoStarCase{
            "ReversedRangeDeletesNothing", {"12", "", "", "", "", ""}, kDelete, 2, 1, 10000, {}}),
    [](const testing::TestParamInfo<TwoStarCase>& info) { return std::string(info.param.name); });

struct ThreeStarCase {
    const char* name;
    std::array<std::string, 4> boxes; // 千百十* 千百*个 千*十个 *百十个
    SpliceMode mode;
    int lower;
    int upper;
    int escaping;
    std::vector<const char*> escapes;
};

class ThreeStarSplice : public testing::TestWithParam<ThreeStarCase> {};

TEST_P(ThreeStarSplice, CountsTheBoxesACandidateMisses) {
    const ThreeStarCase& c = GetParam();
    CandidateSet set;
    ApplyThreeStarSplice(c.boxes, c.mode,
                         RangeText{std::to_string(c.lower), std::to_string(c.upper)}, set);
    for (const char* number : c.escapes)
        EXPECT_EQ(set.at(std::stoi(number), kThreeStarColumn), 0) << number;
    ExpectColumn(set, kThreeStarColumn,
                 ExpectedMarks(c.boxes, kThreeStarSplicePatterns, c.mode, c.lower, c.upper),
                 c.escaping);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ThreeStarSplice,
    testing::Values(
        ThreeStarCase{"LastThreeKeep", {"", "", "", "888"}, kKeep, 0, 0, 10, {"0888", "9888"}},
        ThreeStarCase{"LastThreeDelete", {"", "", "", "888"}, kDelete, 0, 0, 9990, {"0887"}},
        ThreeStarCase{"FirstThree", {"050", "", "", ""}, kKeep, 0, 0, 10, {"0509"}},
        ThreeStarCase{"SkipsTheTens", {"", "123", "", ""}, kKeep, 0, 0, 10, {"1293"}},
        ThreeStarCase{"SkipsTheHundreds", {"", "", "123", ""}, kKeep, 0, 0, 10, {"1923"}},
        ThreeStarCase{"TwoDigitPiecesDoNotCount", {"12", "", "", ""}, kKeep, 1, 1, 10000, {}},
        ThreeStarCase{
            "UnionOfTwo", {"123", "", "", "238"}, kKeep, 0, 1, 19, {"1230", "0238", "1238"}}),
    [](const testing::TestParamInfo<ThreeStarCase>& info) { return std::string(info.param.name); });

TEST(SpliceTolerance, RangeBoxesReadByTheLeadingNumberRule) {
    CandidateSet set;
    ApplyTwoStarSplice({"56", "", "", "", "", "88"}, SpliceMode::Keep, RangeText{" 0", "1.4x"},
                       set);
    int escaping = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        escaping += set.at(n, kTwoStarColumn) == 0 ? 1 : 0;
    EXPECT_EQ(escaping, 199);
}

} // namespace
