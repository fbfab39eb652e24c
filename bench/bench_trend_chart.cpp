// The trend chart (走势图) over 5000 draws as the player waits for it.
// Budgets: open in under 200 ms; a full-page scroll repaints in under 16 ms.
#include "app/trend_chart.hpp"

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

// Opening: the figures worked out, the widget built, shown at the latest
// draw and painted once.
void BM_TrendChartOpenFiveThousandDraws(benchmark::State& state) {
    const history::HistoryState draws = FiveThousandDraws();
    for (auto _ : state) {
        ui::TrendChart chart;
        chart.resize(1200, 700);
        chart.setDraws(draws, Mode::Four);
        chart.show();
        chart.repaint();
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
    for (auto _ : state) {
        if (bar->value() == bar->minimum())
            bar->setValue(bar->maximum());
        bar->setValue(bar->value() - bar->pageStep());
        chart.viewport()->repaint();
    }
}
BENCHMARK(BM_TrendChartPageScroll)->Unit(benchmark::kMillisecond);

} // namespace
