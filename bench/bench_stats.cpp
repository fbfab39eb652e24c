// Condition statistics as the player waits for them.
// Budgets: the kill sets of every button, four-star under 60 ms (once per run
// of the program), three- and two-star under 5 ms; the figures of every
// button over 5000 draws under 10 ms with the kill sets ready.
#include "scheme/condition_stats.hpp"

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

void BM_StatsKillSetsOfEveryButton(benchmark::State& state) {
    const Mode mode = static_cast<Mode>(state.range(0));
    std::size_t listed = 0;
    for (auto _ : state) {
        const std::vector<scheme::ToggleKills> toggles = scheme::ComputeModeToggles(mode);
        listed = toggles.size();
        benchmark::DoNotOptimize(toggles.data());
    }
    state.SetLabel(std::string(Name(mode)));
    state.counters["buttons"] = static_cast<double>(listed);
}
BENCHMARK(BM_StatsKillSetsOfEveryButton)
    ->Arg(static_cast<int>(Mode::Two))
    ->Arg(static_cast<int>(Mode::Three))
    ->Arg(static_cast<int>(Mode::Four))
    ->Unit(benchmark::kMillisecond);

void BM_StatsFiguresFiveThousandDraws(benchmark::State& state) {
    const Mode mode = static_cast<Mode>(state.range(0));
    const history::HistoryState draws = FiveThousandDraws();
    scheme::ModeToggles(mode); // ready, as after the first look
    scheme::ConditionStats stats;
    for (auto _ : state) {
        stats = scheme::RunConditionStats(mode, draws.draws);
        benchmark::DoNotOptimize(stats.figures.data());
    }
    if (stats.draws != 5000)
        state.SkipWithError("not 5000 draws");
    state.SetLabel(std::string(Name(mode)));
}
BENCHMARK(BM_StatsFiguresFiveThousandDraws)
    ->Arg(static_cast<int>(Mode::Two))
    ->Arg(static_cast<int>(Mode::Three))
    ->Arg(static_cast<int>(Mode::Four))
    ->Unit(benchmark::kMillisecond);

} // namespace
