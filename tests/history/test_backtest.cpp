#include "history/backtest.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

using namespace sorvanta::history;

namespace {

PositionSelection Positions(const char* text) {
    return *PositionsFromText(text);
}

HistoryState StateWith(const std::vector<std::string>& numbers, int line) {
    HistoryState state;
    std::vector<Draw> draws;
    for (std::size_t i = 0; i < numbers.size(); ++i)
        draws.push_back({std::to_string(202600000 - static_cast<int>(i)), numbers[i]});
    FillHistory(state, line == 2 ? DataLine::Two : DataLine::One, draws);
    state.HistoryLine = line;
    return state;
}

// The verification as the window first did it: one substring search in the
// whole box text per stored draw. The indexed run must agree everywhere.
std::string ReferenceHits(std::string box, const PositionSelection& positions,
                          const HistoryState& state) {
    std::string text;
    for (std::size_t i = 0; i < box.size(); ++i) {
        if (box[i] == '\r' && i + 1 < box.size() && box[i + 1] == '\n')
            continue;
        text += box[i] == '\r' || box[i] == '\n' ? ' ' : box[i];
    }
    while (!text.empty() && text.front() == ' ')
        text.erase(0, 1);
    while (!text.empty() && text.back() == ' ')
        text.pop_back();
    std::string hits;
    for (int row = 1; row <= RowsOfLine(state.HistoryLine); ++row) {
        if (!state.draws.HasDraw(row))
            continue;
        std::string key;
        for (int k = 0; k < 5; ++k)
            if (positions.Selected(k))
                key += state.draws.Number(row)[static_cast<std::size_t>(k)];
        hits += text.find(key) != std::string::npos ? '1' : '*';
    }
    return hits;
}

TEST(Backtest, IndexAgreesWithSubstringSearch) {
    std::mt19937 random(20261207);
    const char* pieces[] = {" ", "  ", "\n", "\r\n", "\r", ",", "中", "x", "-"};
    const char* positionTexts[] = {"个",         "十个", "百十个", "千百十个",
                                   "万千百十个", "万个", "千十"};
    for (int round = 0; round < 200; ++round) {
        const PositionSelection positions = Positions(positionTexts[round % 7]);
        const int width = positions.Count();
        std::string box;
        const int count = 2 + static_cast<int>(random() % 60);
        for (int n = 0; n < count; ++n) {
            // Mostly numbers of the key's width, sometimes longer or shorter
            // ones, so hits inside a longer number are exercised too.
            int digits = width;
            if (random() % 5 == 0)
                digits = 1 + static_cast<int>(random() % 7);
            if (n == 0)
                digits = width;
            for (int d = 0; d < digits; ++d)
                box += static_cast<char>('0' + random() % 10);
            // The first number stands alone, so the run goes ahead.
            box += n == 0 ? " " : pieces[random() % 9];
        }
        std::vector<std::string> numbers;
        for (int i = 0; i < static_cast<int>(random() % 300); ++i)
            numbers.push_back(std::to_string(10000 + random() % 90000).substr(0, 5));
        HistoryState state = StateWith(numbers, 1 + round % 2);
        const BacktestResult result = RunBacktest(box, positions, state);
        ASSERT_TRUE(result.ran) << box;
        std::string expected = ReferenceHits(box, positions, state);
        if (state.HistoryLine == 2 && expected.size() > 100)
            expected.resize(100);
        EXPECT_EQ(result.hitString, expected) << "box: " << box;
        for (int row = 1; row <= static_cast<int>(numbers.size()) && row <= 100; ++row)
            EXPECT_EQ(state.marks.at(row),
                      expected[static_cast<std::size_t>(row - 1)] == '1' ? Mark::Hit : Mark::Miss);
    }
}

struct BacktestCase {
    const char* name;
    const char* positions;
    std::string box;
    std::vector<std::string> draws;
    int line;
    BacktestCaptions captions;
    std::string hits;
};

TEST(Backtest, CaptionsAndStops) {
    const BacktestCaptions none = kBacktestPlaceholders;
    const BacktestCase cases[] = {
        {"four positions hit",
         "千百十个",
         "0375",
         {"50375", "11111"},
         1,
         {"近5000期命中1", "近100期命中1", "近5000期最大连中1", "最大连挂1"},
         "1*"},
        {"first number longer than the positions", "百十个", "1234 5678", {"51234"}, 1, none, ""},
        {"one character is too short", "个", "5", {"12345"}, 1, none, ""},
        {"line breaks join the list",
         "十个",
         "\r\n12\r\n45\n",
         {"00012", "00045", "00099"},
         1,
         {"近5000期命中2", "近100期命中2", "近5000期最大连中2", "最大连挂1"},
         "11*"},
        {"hit inside a longer number",
         "百十个",
         "123 12345",
         {"00234"},
         1,
         {"近5000期命中1", "近100期命中1", "近5000期最大连中1", "最大连挂0"},
         "1"},
        {"line 2 captions",
         "个",
         "1 2",
         {"00001", "00009", "00002"},
         2,
         {"", "近100期命中2", "近100期最大连中*1", "最大连挂1"},
         "1*1"},
        {"no collection yet keeps placeholders", "个", "1 2", {"00001"}, 0, none, "1"},
        {"no draws",
         "个",
         "1 2",
         {},
         1,
         {"近5000期命中0", "近100期命中0", "近5000期最大连中0", "最大连挂0"},
         ""},
        {"first number measured in characters",
         "十个",
         "中中 12",
         {"00012"},
         1,
         {"近5000期命中1", "近100期命中1", "近5000期最大连中1", "最大连挂0"},
         "1"},
    };
    for (const BacktestCase& c : cases) {
        HistoryState state = StateWith(c.draws, c.line);
        state.marks.Set(4000, Mark::Hit);
        const BacktestResult result = RunBacktest(c.box, Positions(c.positions), state);
        EXPECT_EQ(result.captions, c.captions) << c.name;
        EXPECT_EQ(result.hitString, c.hits) << c.name;
        EXPECT_EQ(state.marks.at(4000), Mark::None) << c.name << ": old marks are cleared";
        EXPECT_EQ(state.marks.at(static_cast<int>(c.draws.size()) + 1), Mark::None) << c.name;
    }
}

TEST(Backtest, CountsOnlyStoredDraws) {
    // 150 stored draws, none hit: the run of misses is 150, not 5000, and
    // the first 100 are what "近100期" counts.
    std::vector<std::string> numbers(150, "00000");
    numbers[120] = "00007";
    HistoryState state = StateWith(numbers, 1);
    const BacktestResult result = RunBacktest("07 08", Positions("十个"), state);
    EXPECT_EQ(result.hitString.size(), 150u);
    EXPECT_EQ(result.captions[0], "近5000期命中1");
    EXPECT_EQ(result.captions[1], "近100期命中0");
    EXPECT_EQ(result.captions[3], "最大连挂120");
    EXPECT_EQ(state.marks.at(151), Mark::None);
}

TEST(Backtest, NoPositionSelected) {
    HistoryState state = StateWith({"12345"}, 1);
    const BacktestResult result =
        RunBacktest("12 34",
                    ReadPositionSelection(
                        {kPositionOff, kPositionOff, kPositionOff, kPositionOff, kPositionOff}),
                    state);
    EXPECT_FALSE(result.ran);
    EXPECT_EQ(result.captions, kBacktestPlaceholders);
    EXPECT_EQ(state.marks.at(1), Mark::None);
}

TEST(LongestRunOf, PiecesBetweenSeparators) {
    const struct {
        const char* text;
        const char* separator;
        int run;
    } cases[] = {
        {"11*111*", "*", 3}, {"11*111*1111", "*", 4}, {"", "*", 0},      {"***", "1", 3},
        {"***", "*", 0},     {"1*1", "*", 1},         {"abab", "ab", 0}, {"中中*中", "*", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(LongestRun(c.text, c.separator), c.run) << c.text << " / " << c.separator;
}

TEST(Positions, ColoursTextsAndLastPositions) {
    const PositionSelection fromColours =
        ReadPositionSelection({kPositionOff, kPositionOn, 255, kPositionOff, kPositionOn});
    EXPECT_EQ(fromColours.entries, (std::array<int, 11>{0, 0, 1, 1, 0, 1, 0, 0, 0, 0, 3}));
    EXPECT_EQ(fromColours.KeyOf("50375"), "035");

    EXPECT_EQ(PositionsFromText("个十百千")->entries, Positions("千百十个").entries);
    EXPECT_EQ(Positions("万个").KeyOf("12345"), "15");
    for (const char* bad : {"", "千千", "千x", "千 百", "第"})
        EXPECT_EQ(PositionsFromText(bad), std::nullopt) << bad;

    EXPECT_EQ(LastPositions(2), (std::array<bool, 5>{false, false, false, true, true}));
    EXPECT_EQ(LastPositions(4), (std::array<bool, 5>{false, true, true, true, true}));
    EXPECT_EQ(LastPositions(7), (std::array<bool, 5>{true, true, true, true, true}));
}

TEST(Paste, OneLengthOrTheMessage) {
    const struct {
        const char* name;
        std::string clipboard;
        bool ok;
        std::string text;
        int count;
        std::array<bool, 5> positions;
    } cases[] = {
        {"two digits", "12 34\r\n12", true, "12 34 12", 3, {false, false, false, true, true}},
        {"separators",
         "0375,1234;中9999",
         true,
         "0375 1234 9999",
         3,
         {false, true, true, true, true}},
        {"mixed lengths", "123 1234", false, "", 0, {}},
        {"empty", "", false, "", 0, {}},
        {"no digits", "双击清空", false, "", 0, {}},
        {"six digits selects all five",
         "123456",
         true,
         "123456",
         1,
         {true, true, true, true, true}},
    };
    for (const auto& c : cases) {
        const PasteResult result = PasteToVerification(c.clipboard);
        EXPECT_EQ(result.ok, c.ok) << c.name;
        EXPECT_EQ(result.text, c.text) << c.name;
        EXPECT_EQ(result.count, c.count) << c.name;
        EXPECT_EQ(result.positions, c.positions) << c.name;
    }
}

} // namespace
