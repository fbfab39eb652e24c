#include "engine4/top_conditions.hpp"

#include "common/number_list.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kColumn = 1;
const std::string kHint = "\n双击清空\n";

std::unique_ptr<FourStarState> Top(const FourStarInput& input) {
    return RunGroup(input, ApplyTopConditions);
}

std::string Repeat(const std::string& piece, int times) {
    std::string text;
    for (int i = 0; i < times; ++i)
        text += piece + " ";
    return text;
}

TEST(NormalisePatternText, KeepsDigitsStarsAndSingleBlanks) {
    struct Case {
        const char* name;
        std::string text;
        std::string expected;
    };
    const Case cases[] = {
        {"CommaSeparated", "12**,**89", "12** **89"},
        {"GuidanceHint", kHint, ""},
        {"ChineseCharacterIsOneBlank", "1*中*2", "1* *2"},
        {"FullWidthDigitAndStarAreSeparators", "1２＊4", "1 4"},
        {"LineBreaksAndTabs", "12**\r\n\t**89", "12** **89"},
        // Five passes halve a run five times: 40 -> 20 -> 10 -> 5 -> 3 -> 2.
        {"LongRunKeepsADoubleBlank", "12**" + std::string(40, ' ') + "**89", "12**  **89"},
        {"ThirtyTwoBlanksCollapse", "12**" + std::string(32, ' ') + "**89", "12** **89"},
    };
    for (const Case& c : cases)
        EXPECT_EQ(NormalisePatternText(c.text), c.expected) << c.name;
}

TEST(KillDirectNumbers, MarksExactlyTheFourDigitPieces) {
    struct Case {
        const char* name;
        std::string box;
        std::vector<int> marked;
    };
    const Case cases[] = {
        {"FourNumbers", "1234 5890 6899 1479", {1234, 1479, 5890, 6899}},
        {"FiveDigitsSkipped", "12345", {}},
        {"LeadingZerosKept", "0012，0345;x9999 123", {12, 345, 9999}},
        {"FullWidthDigitsAreSeparators", "１２３４", {}},
        {"EmptyBox", "", {}},
        {"Repeated", "1234 1234", {1234}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.kill_direct = c.box;
        EXPECT_EQ(MarkedRows(*Top(input), kColumn), c.marked) << c.name;
    }
}

TEST(KillJunkCompounds, CountsCoveringLinesAgainstTheTolerance) {
    struct Case {
        const char* name;
        std::string box;
        RangeText tolerance;
        int marked;
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const Case cases[] = {
        {"EightByEightBySevenByNine",
         "12456789*45678901*3654987*234567890",
         Range("0", "0"),
         8 * 8 * 7 * 9,
         {1432, 9199},
         {3432, 1332}},
        {"ThreePartLineIsOffWhateverTheRange", "123*456*789", Range("1", "1"), 0, {}, {}},
        {"GuidanceHintIsOff", kHint, Range("1", "1"), 0, {}, {}},
        {"BothLineEndsSplitLines",
         "1*2*3*4\r\n5*6*7*8\n9*9*9*9",
         Range("0", "0"),
         3,
         {1234, 5678, 9999},
         {1278}},
        {"ExactlyOneCoverWanted",
         "1*2*3*4\r\n5*6*7*8",
         Range("1", "1"),
         9998,
         {1278},
         {1234, 5678}},
        {"TwoCoversOverTheTolerance", "12*3*4*5\n1*3*4*5", Range("0", "1"), 1, {1345}, {2345}},
        {"PartsAfterTheFourthIgnored", "1*2*3*4*9", Range("0", "0"), 1, {1234}, {}},
        {"OtherCharactersInPartsIgnored", " 1a*2,*3 *4 ", Range("0", "0"), 1, {1234}, {}},
        {"EmptyPartCoversNothing", "1**3*4", Range("0", "0"), 0, {}, {}},
        {"ReversedRangeMarksAll", "1*2*3*4", Range("3", "1"), 10000, {}, {}},
        {"ShortLinesAmongGoodOnesSkipped", "1*2\n1*2*3*4", Range("0", "0"), 1, {1234}, {}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.junk_compounds = c.box;
        input.junk_compounds_tolerance = c.tolerance;
        const auto state = Top(input);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

// How many of the pieces of `width` digits the candidate contains, worked
// out as multiset inclusion on sorted digit texts.
int ContainedPieces(int candidate, const std::vector<std::string>& pieces, std::size_t width) {
    std::string digits = FixedWidth(candidate, 4);
    std::sort(digits.begin(), digits.end());
    int count = 0;
    for (std::string piece : pieces) {
        if (piece.size() != width)
            continue;
        std::sort(piece.begin(), piece.end());
        count += std::includes(digits.begin(), digits.end(), piece.begin(), piece.end()) ? 1 : 0;
    }
    return count;
}

struct CombinationCase {
    const char* name;
    std::vector<std::string> pieces;
    RangeText tolerance;
};

std::string Joined(const std::vector<std::string>& pieces) {
    std::string text;
    for (const std::string& piece : pieces)
        text += piece + ", ";
    return text;
}

void ExpectKillMatchesInclusion(const CombinationCase& c, std::size_t width) {
    FourStarInput input;
    (width == 2 ? input.kill_pairs : input.kill_triples) = Joined(c.pieces);
    (width == 2 ? input.kill_pairs_tolerance : input.kill_triples_tolerance) = c.tolerance;
    const auto state = Top(input);
    const AllowedCounts allowed = c.tolerance.Allowed();
    int wrong = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const bool expected = !allowed.Allows(ContainedPieces(n, c.pieces, width));
        if ((state->candidates.at(n, kColumn) == 1) != expected && ++wrong <= 3)
            ADD_FAILURE() << c.name << ": candidate " << n;
    }
    EXPECT_EQ(wrong, 0) << c.name;
}

TEST(KillTwoDigitCombinations, CountsContainedCombinationsWithRepeats) {
    const CombinationCase cases[] = {
        {"OnePair", {"12"}, Range("0", "0")},
        {"DoubledDigitNeedsTwoPositions", {"11"}, Range("0", "0")},
        {"ExactlyOneOfTwo", {"12", "56"}, Range("1", "1")},
        {"TypedTwiceCountsTwice", {"12", "21"}, Range("0", "1")},
        {"WrongLengthsSkipped", {"12", "123", "4", "34"}, Range("0", "1")},
        {"ManyPairs", {"01", "23", "45", "67", "89", "00", "99", "19", "28"}, Range("1", "3")},
    };
    for (const CombinationCase& c : cases)
        ExpectKillMatchesInclusion(c, 2);
}

TEST(KillThreeDigitCombinations, CountsContainedCombinationsWithRepeats) {
    const CombinationCase cases[] = {
        {"OneTriple", {"123"}, Range("0", "0")},
        {"RepeatedDigits", {"116", "111"}, Range("0", "0")},
        {"TripleRepeat", {"555"}, Range("0", "0")},
        {"AtLeastTwo", {"123", "456", "789", "012"}, Range("2", "4")},
        {"WrongLengthsSkipped", {"12", "1234", "012"}, Range("0", "0")},
    };
    for (const CombinationCase& c : cases)
        ExpectKillMatchesInclusion(c, 3);
}

TEST(KillTwoDigitCombinations, MarksHolderOfBothDigits) {
    FourStarInput input;
    input.kill_pairs = "12";
    const auto state = Top(input);
    for (int n : {1206, 2100, 9921})
        EXPECT_EQ(state->candidates.at(n, kColumn), 1) << n;
    EXPECT_EQ(state->candidates.at(1106, kColumn), 0);
}

TEST(KillCombinations, BoxWithoutUsablePieceIsOffWhateverTheRange) {
    FourStarInput pairs;
    pairs.kill_pairs = "123 4 56789";
    pairs.kill_pairs_tolerance = Range("1", "1");
    EXPECT_EQ(CountMarked(*Top(pairs), kColumn), 0);

    FourStarInput triples;
    triples.kill_triples = "12 3456" + kHint;
    triples.kill_triples_tolerance = Range("5", "1");
    EXPECT_EQ(CountMarked(*Top(triples), kColumn), 0);
}

TEST(KillCombinations, CountAboveOneHundredIsNeverAllowed) {
    FourStarInput atLimit;
    atLimit.kill_pairs = Repeat("12", 100);
    atLimit.kill_pairs_tolerance = Range("0", "150");
    EXPECT_EQ(CountMarked(*Top(atLimit), kColumn), 0);

    FourStarInput overLimit = atLimit;
    overLimit.kill_pairs = Repeat("12", 101);
    const auto state = Top(overLimit);
    EXPECT_EQ(state->candidates.at(1234, kColumn), 1);
    EXPECT_EQ(state->candidates.at(1134, kColumn), 0);
}

TEST(RequireCombinations, MarksCandidatesHoldingNoneOfThem) {
    struct Case {
        const char* name;
        std::string pairs;
        std::string triples;
        int marked;
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const Case cases[] = {
        // 10000 minus the numbers holding both an 8 and a 9.
        {"PairEightNine", "89", "", 10000 - (10000 - 2 * 6561 + 4096), {8800, 1234}, {8925, 9008}},
        {"OnlyWrongLengthPairsMarkAll", "123", "", 10000, {8925}, {}},
        {"HintIsNoInput", kHint, kHint, 0, {}, {}},
        {"TripleWithRepeat", "", "116", -1, {1206, 6166}, {1106, 6101, 1116}},
        {"OnlyWrongLengthTriplesMarkAll", "", "12 1234", 10000, {}, {}},
        {"EitherOfTwoPairs", "12 34", "", -1, {1156, 3356}, {1256, 3456, 2341}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.require_pairs = c.pairs;
        input.require_triples = c.triples;
        const auto state = Top(input);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

TEST(KillPositionalPatterns, MatchesDigitsAndWildcardsByPosition) {
    struct Case {
        const char* name;
        std::string box;
        int marked;
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    const Case cases[] = {
        {"StartAndEnd", "12** **89", 199, {1234, 6389, 1289}, {2134, 9812}},
        {"AlternatePositions", "1*6*", 100, {1060, 1969}, {6010}},
        {"AllWildcards", "****", 10000, {}, {}},
        {"ExactNumber", "0007", 1, {7}, {70}},
        // A malformed piece is skipped; the pieces after it still apply.
        {"MalformedPieceSkipped", "123 12** 1234* ***", 100, {1200}, {1023}},
        {"FullWidthStarIsASeparator", "12＊＊", 0, {}, {}},
        {"HintIsNoInput", kHint, 0, {}, {}},
        {"DuplicatesHarmless", "5*** 5*** *5**", 1900, {5000, 505}, {55}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.kill_patterns = c.box;
        const auto state = Top(input);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

TEST(TopConditions, ShareOneColumnAndTouchNothingElse) {
    FourStarInput input;
    input.kill_direct = "1234";
    input.junk_compounds = "1*2*3*4";
    input.kill_pairs = "12";
    input.require_triples = "999";
    input.kill_patterns = "1***";
    const auto state = Top(input);
    EXPECT_EQ(state->candidates.at(1234, kColumn), 1);
    EXPECT_TRUE(OnlyColumnWritten(*state, kColumn));
    // 9999 holds 999 and nothing killed; 1999 is caught by the pattern only.
    EXPECT_EQ(state->candidates.at(9999, kColumn), 0);
    EXPECT_EQ(state->candidates.at(1999, kColumn), 1);
}

TEST(TopConditions, UntouchedPanelMarksNothing) {
    FourStarInput input;
    input.junk_compounds = kHint;
    input.kill_pairs = kHint;
    input.require_pairs = kHint;
    input.kill_triples = kHint;
    input.require_triples = kHint;
    input.kill_patterns = kHint;
    EXPECT_EQ(Survivors(input), 10000);
}

} // namespace
