// The trend chart (走势图) over 5000 draws as the player waits for it.
// Budgets: open in under 200 ms; a full-page scroll repaints in under 16 ms.
#include "app/trend_chart.hpp"

#include <QImage>
#include <QScrollBar>

#include <benchmark/benchmark.h>

#include <random>
#include <string>

using namespace sorvanta;

namespace {

history::HistoryState FiveThousandDraws() {
    std::mt19937 random(5000);
    std::vector<history::Draw> draws;
    for (int i = 0; i < 5000; ++i) {
        std::string number;
        for (int k = 0; k < 5; ++k)
            number += static_cast<char>('0' + random() % 10);
        draws.push_back({"2026" + std::to_string(1231999 - i), number});
    }
    history::HistoryState state;
    history::FillHistory(state, history::DataLine::One, draws);
    return state;
}

// A widget that is shown but not yet exposed skips repaint(), so the chart is
// rendered into an image: the paint the player waits for really happens, and
// a run that painted nothing is an error rather than a fast median.
void Paint(ui::TrendChart& chart, QImage& image, benchmark::State& state) {
    chart.viewport()->render(&image);
    if (chart.firstPaintedRow() < 0)
        state.SkipWithError("the chart painted no row");
}

// Opening: the figures worked out, the widget built, shown at the latest
// draw and painted once.
void BM_TrendChartOpenFiveThousandDraws(benchmark::State& state) {
    const history::HistoryState draws = FiveThousandDraws();
    QImage image(1200, 700, QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        ui::TrendChart chart;
        chart.resize(1200, 700);
        chart.setDraws(draws, Mode::Four);
        chart.show();
        Paint(chart, image, state);
        benchmark::DoNotOptimize(chart.rowCount());
    }
}
BENCHMARK(BM_TrendChartOpenFiveThousandDraws)->Unit(benchmark::kMillisecond);

void BM_TrendChartPageScroll(benchmark::State& state) {
    const history::HistoryState draws = FiveThousandDraws();
    ui::TrendChart chart;
    chart.resize(1200, 700);
    chart.setDraws(draws, Mode::Four);
    chart.show();
    QScrollBar* bar = chart.verticalScrollBar();
    QImage image(chart.viewport()->size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        if (bar->value() == bar->minimum())
            bar->setValue(bar->maximum());
        bar->setValue(bar->value() - bar->pageStep());
        Paint(chart, image, state);
    }
}
BENCHMARK(BM_TrendChartPageScroll)->Unit(benchmark::kMillisecond);

} // namespace
