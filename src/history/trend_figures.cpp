#include "history/trend_figures.hpp"

#include <algorithm>

namespace sorvanta::history {

int AverageOmission(int rows, int appearances) {
    const int numerator = rows - appearances;
    const int denominator = appearances + 1;
    int q = numerator / denominator;
    const int twice = 2 * (numerator % denominator);
    if (twice > denominator || (twice == denominator && q % 2 == 1))
        ++q;
    return q;
}

TrendChart ComputeTrend(const HistoryState& state, const PositionSelection& sumPositions) {
    TrendChart chart;
    const int rows = RowsOfLine(state.HistoryLine);
    chart.rows.reserve(static_cast<std::size_t>(rows));
    for (int row = rows; row >= 1; --row) {
        const std::string& text = state.draws.Number(row);
        if (!IsFiveDigitDraw(text))
            continue;
        chart.rows.push_back({state.draws.Period(row), text, {}, 0, 0});
    }

    std::array<std::array<int, 10>, 5> since{};
    DigitGrid missRun{};
    DigitGrid hitRun{};
    TrendSummary& s = chart.summary;
    for (TrendRow& r : chart.rows) {
        int low = 9;
        int high = 0;
        for (int p = 0; p < 5; ++p) {
            const int came = r.Digit(p);
            const auto pi = static_cast<std::size_t>(p);
            if (sumPositions.Selected(p)) {
                r.sum += came;
                low = std::min(low, came);
                high = std::max(high, came);
            }
            for (int d = 0; d < 10; ++d) {
                const auto di = static_cast<std::size_t>(d);
                if (d == came) {
                    since[pi][di] = 0;
                    missRun[pi][di] = 0;
                    ++s.appearances[pi][di];
                    s.longest_run[pi][di] = std::max(s.longest_run[pi][di], ++hitRun[pi][di]);
                } else {
                    ++since[pi][di];
                    hitRun[pi][di] = 0;
                    s.longest_omission[pi][di] =
                        std::max(s.longest_omission[pi][di], ++missRun[pi][di]);
                }
                r.omission[pi][di] = static_cast<std::uint16_t>(since[pi][di]);
            }
        }
        r.span = high >= low ? high - low : 0;
    }
    const int count = static_cast<int>(chart.rows.size());
    for (std::size_t p = 0; p < 5; ++p)
        for (std::size_t d = 0; d < 10; ++d)
            s.average_omission[p][d] = AverageOmission(count, s.appearances[p][d]);
    return chart;
}

} // namespace sorvanta::history
