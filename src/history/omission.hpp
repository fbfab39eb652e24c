#pragma once

#include "history/draw_history.hpp"

#include <array>
#include <string>
#include <vector>

namespace sorvanta::history {

// Omission (遗漏) figures over the stored draws, row 1 the latest. For each
// position (万 to 个) and digit: `current` is how many draws have passed since
// the digit last came there (0 when it came in the latest draw, the number of
// draws read when it never came), `longest` the longest run of draws read
// without it there, and `appearances` how often it came. `anyPosition`
// is the current omission of a digit at whatever position.
struct OmissionFigures {
    int draws = 0;
    std::array<std::array<int, 10>, 5> current{};
    std::array<std::array<int, 10>, 5> longest{};
    std::array<std::array<int, 10>, 5> appearances{};
    std::array<int, 10> anyPosition{};
};

// Over the stored draws among rows 1 to RowsOfLine(HistoryLine); rows without
// a five-digit draw are passed over.
OmissionFigures ComputeOmission(const HistoryState& state);

// One text of the omission grid: column 0 to 11 and row 0 to 9 of the grid's
// unit cells (x and y - 2 in the picture's scale), so the window only turns a
// cell into a rectangle.
struct OmissionCell {
    int column = 0;
    int row = 0;
    std::string text;
};

// The grid's contents: each position's two-unit block holds, row d, the
// digit d and its current omission there; the last strip holds the digit and
// its omission at any position. Empty when no draw was read.
std::vector<OmissionCell> OmissionGridCells(const OmissionFigures& figures);

} // namespace sorvanta::history
