#include "history/backtest.hpp"
#include "history/draw_text.hpp"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

using namespace sorvanta::history;

namespace {

// A line-1 file as a source serves it: 5000 made-up draws, with the date,
// time and labels a real file carries between the numbers.
std::string FiveThousandDraws() {
    std::mt19937 random(5000);
    std::string text = "# made-up draws\n";
    for (int i = 0; i < 5000; ++i) {
        const int day = 20260101 + i / 120;
        text += "第" + std::to_string(day) + "-" + std::to_string(1000 + i % 120).substr(1) +
                "期 2026-01-01 10:50 开奖号：";
        for (int k = 0; k < 5; ++k)
            text += std::string(k ? "," : "") + static_cast<char>('0' + random() % 10);
        text += "\r\n";
    }
    return text;
}

} // namespace

static void BM_ReadFiveThousandDraws(benchmark::State& state) {
    const std::string text = FiveThousandDraws();
    for (auto _ : state) {
        const DrawTextRead read = ReadDrawText(text);
        benchmark::DoNotOptimize(read.draws.data());
        if (read.draws.size() != 5000)
            state.SkipWithError("draws lost");
    }
}
BENCHMARK(BM_ReadFiveThousandDraws)->Unit(benchmark::kMillisecond);

// The verification the player waits for: 5000 draws against a list of all
// 10,000 four-digit numbers.
static void BM_BacktestFiveThousandDrawsTenThousandNumbers(benchmark::State& state) {
    HistoryState history;
    FillHistory(history, DataLine::One, ReadDrawText(FiveThousandDraws()).draws);
    std::string list;
    for (int n = 0; n < 10000; ++n)
        list += std::to_string(10000 + n).substr(1) + (n % 10 == 9 ? "\r\n" : " ");
    const PositionSelection positions = *PositionsFromText("千百十个");
    for (auto _ : state) {
        const BacktestResult result = RunBacktest(list, positions, history);
        benchmark::DoNotOptimize(result.captions.data());
        if (result.captions[0] != "近5000期命中5000")
            state.SkipWithError("not every draw hit");
    }
}
BENCHMARK(BM_BacktestFiveThousandDrawsTenThousandNumbers)->Unit(benchmark::kMillisecond);
