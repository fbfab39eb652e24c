#include "history/draw_history.hpp"

#include <algorithm>

namespace sorvanta::history {

namespace {

struct LotteryRow {
    Lottery lottery;
    std::string_view code;
    std::string_view name;
    std::string_view file;
    std::string_view page;
};

constexpr LotteryRow kLotteryRows[] = {
    {Lottery::Chongqing, "cq", "重庆", "cqssc_10000.txt", "trend/view/ssc_zst5-ssc-0-3-100.html"},
    {Lottery::Xinjiang, "xj", "新疆", "xjssc_10000.txt", "trend/view/ssc_zst5-xjssc-0-3-100.html"},
    {Lottery::Tianjin, "tj", "天津", "tjssc_10000.txt",
     "trend/view/ssc_zst5-tianjinssc-0-3-100.html"},
};

const LotteryRow& RowOf(Lottery lottery) {
    for (const LotteryRow& row : kLotteryRows)
        if (row.lottery == lottery)
            return row;
    return kLotteryRows[0];
}

const std::string kEmpty;

} // namespace

bool IsFiveDigitDraw(std::string_view number) {
    return number.size() == 5 &&
           std::all_of(number.begin(), number.end(), [](char c) { return c >= '0' && c <= '9'; });
}

std::string_view LotteryCode(Lottery lottery) {
    return RowOf(lottery).code;
}
std::string_view LotteryName(Lottery lottery) {
    return RowOf(lottery).name;
}
std::string_view LineOneFile(Lottery lottery) {
    return RowOf(lottery).file;
}
std::string_view LineTwoPage(Lottery lottery) {
    return RowOf(lottery).page;
}

std::optional<Lottery> LotteryFromCode(std::string_view code) {
    for (const LotteryRow& row : kLotteryRows)
        if (row.code == code)
            return row.lottery;
    return std::nullopt;
}

std::optional<Lottery> LotteryFromButton(int element) {
    if (element < 2 || element > 4)
        return std::nullopt;
    return static_cast<Lottery>(element);
}

std::optional<DataLine> DataLineFromNumber(int number) {
    if (number == 1)
        return DataLine::One;
    if (number == 2)
        return DataLine::Two;
    return std::nullopt;
}

DrawHistory::DrawHistory() : rows_(kRows) {}

const std::string& DrawHistory::at(int row, int column) const {
    if (row < 0 || row >= kRows || column < 0 || column > kNumber)
        return kEmpty;
    return rows_[static_cast<std::size_t>(row)][static_cast<std::size_t>(column)];
}

void DrawHistory::Set(int row, std::string period, std::string number) {
    if (row < 1 || row >= kRows)
        return;
    auto& cells = rows_[static_cast<std::size_t>(row)];
    cells[kPeriod] = std::move(period);
    cells[kNumber] = std::move(number);
}

int DrawHistory::StoredRows() const {
    int row = 1;
    while (row < kRows && HasDraw(row))
        ++row;
    return row - 1;
}

void DrawHistory::Clear() {
    for (auto& cells : rows_)
        for (std::string& text : cells)
            text.clear();
}

Mark HitMarks::at(int entry) const {
    if (entry < 0 || entry >= kEntries)
        return Mark::None;
    return marks_[static_cast<std::size_t>(entry)];
}

void HitMarks::Set(int entry, Mark mark) {
    if (entry >= 0 && entry < kEntries)
        marks_[static_cast<std::size_t>(entry)] = mark;
}

std::string_view HitMarks::Text(int entry) const {
    switch (at(entry)) {
    case Mark::Hit:
        return "中";
    case Mark::Miss:
        return "**";
    case Mark::None:
        break;
    }
    return {};
}

int FillHistory(HistoryState& state, DataLine line, std::span<const Draw> latestFirst) {
    state.draws.Clear();
    const int count = std::min<int>(static_cast<int>(latestFirst.size()), RowsOfLine(line));
    for (int i = 0; i < count; ++i) {
        const Draw& draw = latestFirst[static_cast<std::size_t>(i)];
        state.draws.Set(i + 1, draw.period, draw.number);
    }
    if (count > 0)
        state.HistoryLine = static_cast<int>(line);
    return count;
}

std::string HistoryListLine(const HistoryState& state, int row) {
    std::string serial = "0000" + std::to_string(row);
    std::string line = serial.substr(serial.size() - 4);
    line += "--";
    line += state.draws.Period(row);
    line += "--";
    line += state.draws.Number(row);
    line += ' ';
    line += state.marks.Text(row);
    return line;
}

std::vector<std::string> HistoryListLines(const HistoryState& state) {
    const int rows = RowsOfLine(state.HistoryLine);
    std::vector<std::string> lines;
    lines.reserve(static_cast<std::size_t>(rows) + 1);
    lines.emplace_back("编号--期号--开奖号");
    for (int row = 1; row <= rows; ++row)
        lines.push_back(HistoryListLine(state, row));
    return lines;
}

} // namespace sorvanta::history
