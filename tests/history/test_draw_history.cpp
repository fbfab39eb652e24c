#include "history/draw_history.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta::history;

namespace {

std::vector<Draw> MadeUpDraws(int count) {
    std::vector<Draw> draws;
    for (int i = 0; i < count; ++i) {
        std::string number = std::to_string(10000 + i * 7 % 90000);
        draws.push_back({std::to_string(2026000000 - i), number});
    }
    return draws;
}

TEST(Lotteries, ButtonsCodesAndAddresses) {
    EXPECT_EQ(LotteryFromButton(2), Lottery::Chongqing);
    EXPECT_EQ(LotteryFromButton(4), Lottery::Tianjin);
    EXPECT_EQ(LotteryFromButton(1), std::nullopt);
    EXPECT_EQ(LotteryFromButton(5), std::nullopt);
    for (Lottery lottery : kLotteries)
        EXPECT_EQ(LotteryFromCode(LotteryCode(lottery)), lottery);
    EXPECT_EQ(LotteryFromCode("CQ"), std::nullopt);
    EXPECT_EQ(LotteryName(Lottery::Xinjiang), "新疆");
    EXPECT_EQ(LineOneFile(Lottery::Tianjin), "tjssc_10000.txt");
    EXPECT_EQ(LineTwoPage(Lottery::Chongqing), "trend/view/ssc_zst5-ssc-0-3-100.html");
    EXPECT_EQ(DataLineFromNumber(0), std::nullopt);
    EXPECT_EQ(DataLineFromNumber(2), DataLine::Two);
}

TEST(DrawHistoryTable, RowsOutsideTheTableReadEmpty) {
    DrawHistory table;
    EXPECT_TRUE(table.Empty());
    table.Set(0, "p", "12345");
    table.Set(10001, "p", "12345");
    EXPECT_EQ(table.Number(0), "");
    EXPECT_EQ(table.at(-1, 2), "");
    EXPECT_EQ(table.at(1, 3), "");
    table.Set(10000, "p", "12345");
    EXPECT_TRUE(table.HasDraw(10000));
    EXPECT_TRUE(table.Empty());
    table.Clear();
    EXPECT_FALSE(table.HasDraw(10000));
}

struct FillCase {
    const char* name;
    int stored;
    DataLine line;
    int lineBefore;
    int filled;
    int lineAfter;
};

TEST(DrawHistoryFill, CapsByLineAndSetsTheLineOnlyWithDraws) {
    const FillCase cases[] = {
        {"line 1 takes 5000", 6000, DataLine::One, 0, 5000, 1},
        {"line 2 takes 100", 6000, DataLine::Two, 1, 100, 2},
        {"fewer than the cap", 30, DataLine::One, 2, 30, 1},
        {"nothing stored keeps the line", 0, DataLine::Two, 1, 0, 1},
    };
    for (const FillCase& c : cases) {
        HistoryState state;
        state.HistoryLine = c.lineBefore;
        state.draws.Set(7000, "old", "99999");
        const std::vector<Draw> draws = MadeUpDraws(c.stored);
        EXPECT_EQ(FillHistory(state, c.line, draws), c.filled) << c.name;
        EXPECT_EQ(state.HistoryLine, c.lineAfter) << c.name;
        EXPECT_EQ(state.draws.StoredRows(), c.filled) << c.name;
        EXPECT_FALSE(state.draws.HasDraw(7000)) << c.name << ": the table is emptied first";
        if (c.filled > 0) {
            EXPECT_EQ(state.draws.Period(1), draws[0].period) << c.name;
        }
    }
}

TEST(HistoryList, HeaderSerialsMarksAndEmptyRows) {
    HistoryState state;
    FillHistory(state, DataLine::One, MadeUpDraws(3));
    state.marks.Set(1, Mark::Hit);
    state.marks.Set(2, Mark::Miss);
    const std::vector<std::string> lines = HistoryListLines(state);
    ASSERT_EQ(lines.size(), 5001u);
    EXPECT_EQ(lines[0], "编号--期号--开奖号");
    EXPECT_EQ(lines[1], "0001--2026000000--10000 中");
    EXPECT_EQ(lines[2], "0002--2025999999--10007 **");
    EXPECT_EQ(lines[3], "0003--2025999998--10014 ");
    EXPECT_EQ(lines[7], "0007---- ");
    EXPECT_EQ(lines[5000], "5000---- ");

    state.HistoryLine = 2;
    EXPECT_EQ(HistoryListLines(state).size(), 101u);
    state.HistoryLine = 0;
    EXPECT_EQ(HistoryListLines(state).size(), 5001u);
    // Past 9999 the serial keeps its last four characters.
    EXPECT_EQ(HistoryListLine(state, 10000).substr(0, 4), "0000");
}

} // namespace
