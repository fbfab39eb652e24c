#pragma once

// The figures of the trend chart (走势图): one row per stored draw, oldest
// first, with each position's omission of every digit at that row, and the
// summary rows over all the rows.

#include "history/backtest.hpp"
#include "history/draw_history.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <vector>

namespace sorvanta::history {

using DigitGrid = std::array<std::array<int, 10>, 5>; // [position 万..个][digit]

struct TrendRow {
    std::string period;
    std::string draw; // five digits
    // Draws since the digit last came at the position, counting this row:
    // 0 where it came in this row.
    std::array<std::array<std::uint16_t, 10>, 5> omission{};
    int sum = 0;  // of the chosen positions' digits
    int span = 0; // largest minus smallest of them
    int Digit(int position) const { return draw[static_cast<std::size_t>(position)] - '0'; }
};

// Per position and digit over the R rows: A rows where it came, the average
// omission (R - A) / (A + 1) rounded half to even, the longest run of rows
// without it and the longest run of rows with it.
struct TrendSummary {
    DigitGrid appearances{};
    DigitGrid average_omission{};
    DigitGrid longest_omission{};
    DigitGrid longest_run{};
};

struct TrendChart {
    std::vector<TrendRow> rows; // oldest first
    TrendSummary summary;
};

// Over the stored draws among rows 1 to RowsOfLine(HistoryLine), as the
// omission grid reads them (rows without a five-digit draw passed over).
TrendChart ComputeTrend(const HistoryState& state, const PositionSelection& sumPositions);

// (R - A) / (A + 1), rounded half to even.
int AverageOmission(int rows, int appearances);

} // namespace sorvanta::history
