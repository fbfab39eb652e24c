#include "history/omission.hpp"

#include <algorithm>

namespace sorvanta::history {

OmissionFigures ComputeOmission(const HistoryState& state) {
    OmissionFigures f;
    // Walking from the latest draw back, a digit's current omission is fixed
    // at its first appearance; the gaps between later appearances give the
    // longest one.
    std::array<std::array<int, 10>, 5> lastSeen{}; // the draw index of the last appearance
    std::array<std::array<bool, 10>, 5> seen{};
    std::array<bool, 10> seenAnywhere{};
    const int rows = RowsOfLine(state.HistoryLine);
    for (int row = 1; row <= rows; ++row) {
        const std::string& text = state.draws.Number(row);
        if (!IsFiveDigitDraw(text))
            continue;
        const int index = f.draws++;
        for (std::size_t p = 0; p < 5; ++p) {
            const auto d = static_cast<std::size_t>(text[p] - '0');
            const int gap = seen[p][d] ? index - lastSeen[p][d] - 1 : index;
            if (!seen[p][d])
                f.current[p][d] = index;
            f.longest[p][d] = std::max(f.longest[p][d], gap);
            seen[p][d] = true;
            lastSeen[p][d] = index;
            ++f.appearances[p][d];
            if (!seenAnywhere[d]) {
                seenAnywhere[d] = true;
                f.anyPosition[d] = index;
            }
        }
    }
    // A digit that never came has been missing for every draw read; one that
    // came has a gap still open behind its earliest appearance.
    for (std::size_t p = 0; p < 5; ++p)
        for (std::size_t d = 0; d < 10; ++d) {
            const int open = seen[p][d] ? f.draws - lastSeen[p][d] - 1 : f.draws;
            if (!seen[p][d])
                f.current[p][d] = f.draws;
            f.longest[p][d] = std::max(f.longest[p][d], open);
        }
    for (std::size_t d = 0; d < 10; ++d)
        if (!seenAnywhere[d])
            f.anyPosition[d] = f.draws;
    return f;
}

std::vector<OmissionCell> OmissionGridCells(const OmissionFigures& figures) {
    std::vector<OmissionCell> cells;
    if (figures.draws == 0)
        return cells;
    cells.reserve(120);
    for (int d = 0; d < 10; ++d) {
        const auto digit = static_cast<std::size_t>(d);
        for (int p = 0; p < 5; ++p) {
            cells.push_back({2 * p, d, std::to_string(d)});
            cells.push_back({2 * p + 1, d,
                             std::to_string(figures.current[static_cast<std::size_t>(p)][digit])});
        }
        cells.push_back({10, d, std::to_string(d)});
        cells.push_back({11, d, std::to_string(figures.anyPosition[digit])});
    }
    return cells;
}

} // namespace sorvanta::history
