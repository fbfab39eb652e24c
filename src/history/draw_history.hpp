#pragma once

#include <array>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::history {

// The three lotteries. The values are the C_xl element indexes of their
// buttons, so a button index and a lottery convert without a table.
enum class Lottery { Chongqing = 2, Xinjiang = 3, Tianjin = 4 };

inline constexpr Lottery kLotteries[3] = {Lottery::Chongqing, Lottery::Xinjiang, Lottery::Tianjin};

// "cq", "xj", "tj": the key the store and the command line use.
std::string_view LotteryCode(Lottery lottery);
// "重庆", "新疆", "天津": the button captions.
std::string_view LotteryName(Lottery lottery);
// The source addresses without host: line 1's text file, line 2's page.
std::string_view LineOneFile(Lottery lottery);
std::string_view LineTwoPage(Lottery lottery);
std::optional<Lottery> LotteryFromCode(std::string_view code);
std::optional<Lottery> LotteryFromButton(int element);

// The two data lines; the values are what `HistoryLine` holds once draws
// came from that line (Option_xl element + 1).
enum class DataLine { One = 1, Two = 2 };

std::optional<DataLine> DataLineFromNumber(int number);

// How many rows the list shows and the backtest and extraction read for a
// `HistoryLine` value: 100 for line 2, 5000 otherwise (also before any
// collection, when it is 0).
constexpr int RowsOfLine(int historyLine) {
    return historyLine == 2 ? 100 : 5000;
}
constexpr int RowsOfLine(DataLine line) {
    return RowsOfLine(static_cast<int>(line));
}

// A draw text the figures can read: exactly five ASCII digits.
bool IsFiveDigitDraw(std::string_view number);

// One past draw: its period text (期号) and its five-digit text (开奖号).
struct Draw {
    std::string period;
    std::string number;
    friend bool operator==(const Draw&, const Draw&) = default;
};

// The stored draws, rows 0 to 10000 by columns 0 to 2, all texts: row i
// (from 1) is the i-th most recent draw, column 1 its period, column 2 its
// draw text. Row 0 and column 0 stay unused so row numbers are draw ages.
class DrawHistory {
public:
    static constexpr int kRows = 10001;
    static constexpr int kPeriod = 1;
    static constexpr int kNumber = 2;

    DrawHistory();

    // Out-of-range rows and columns read as empty, as an unfilled row does.
    const std::string& at(int row, int column) const;
    const std::string& Period(int row) const { return at(row, kPeriod); }
    const std::string& Number(int row) const { return at(row, kNumber); }
    void Set(int row, std::string period, std::string number);

    // A row holds a draw when its draw text is not empty.
    bool HasDraw(int row) const { return !Number(row).empty(); }
    // The history has a draw when row 1 holds one.
    bool Empty() const { return !HasDraw(1); }
    // Rows from 1 up that hold a draw, stopping at the first that does not.
    int StoredRows() const;

    // Back to the state of a new table: every text empty.
    void Clear();

private:
    std::vector<std::array<std::string, 3>> rows_;
};

// The mark of one draw from the last backtest.
enum class Mark : char { None, Hit, Miss };

// Per-draw marks of the last backtest, entries 0 to 10000 (entry i belongs to
// row i of the draw table); the list shows each mark after its draw.
class HitMarks {
public:
    static constexpr int kEntries = 10001;

    HitMarks() : marks_(kEntries, Mark::None) {}

    Mark at(int entry) const;
    void Set(int entry, Mark mark);
    // "中" for a hit, "**" for a miss, empty before any backtest reached it.
    std::string_view Text(int entry) const;
    void Clear() { marks_.assign(kEntries, Mark::None); }

private:
    std::vector<Mark> marks_;
};

// The history part of the window's state: the draws, the line they came from
// (0 until a source first stored draws) and the marks of the last backtest.
struct HistoryState {
    DrawHistory draws;
    int HistoryLine = 0;
    HitMarks marks;
};

// What the history source does with the stored draws of one lottery and
// line, latest first: empties the table, fills rows 1 up with at most
// RowsOfLine(line) of them and, when at least one was filled in, sets
// `HistoryLine` to the line (otherwise it keeps its value). Returns the
// number of rows filled.
int FillHistory(HistoryState& state, DataLine line, std::span<const Draw> latestFirst);

// The lines of the history list (List1): the header "编号--期号--开奖号",
// then one line per row 1 to RowsOfLine(HistoryLine), each
// serial--period--draw, a blank and the row's mark.
std::vector<std::string> HistoryListLines(const HistoryState& state);

// One row's line: the serial is the last four characters of "0000" followed
// by the row number.
std::string HistoryListLine(const HistoryState& state, int row);

} // namespace sorvanta::history
