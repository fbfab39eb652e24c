// The scheme backtest as the player runs it: a scheme of many groups with its
// list steps, run once, then 5000 draws looked up among its survivors, with
// and without the purse of a 倍投 plan. Budget: under 10 ms a mode, the run
// included; the balance chart of 5000 draws drawn in under 100 ms.
#include "app/backtest_dialog.hpp"
#include "scheme/scheme_backtest.hpp"

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>

#include <random>
#include <string>

using namespace sorvanta;
using namespace sorvanta::scheme;

namespace {

std::string SchemeText(const char* mode, const std::string& conditions) {
    return std::string(R"({"format": "sorvanta-scheme", "version": 1, "mode": ")") + mode +
           R"(", "conditions": {)" + conditions + "}}";
}

std::string Numbers(std::mt19937& random, int count, int width) {
    std::string text;
    const unsigned modulus = width == 2 ? 100u : width == 3 ? 1000u : 10000u;
    for (int i = 0; i < count; ++i) {
        std::string piece = std::to_string(random() % modulus);
        text += std::string(static_cast<std::size_t>(width) - piece.size(), '0') + piece + " ";
    }
    return text;
}

Scheme Typical(Mode mode) {
    std::mt19937 random(2026);
    switch (mode) {
    case Mode::Two:
        return ParseScheme(SchemeText(
            "two",
            R"("banker_rows": [{"digits": "05", "counts": ""}, {"digits": "19", "counts": "1"}],
                      "kill_spans": "09", "kill_sums": [0, 1, 17, 18],
                      "position_kill": ["3", "7"], "position_kill_tolerance": ["0", "1"],
                      "shapes": {"big_small": ["大大"], "odd_even": ["单单"]},
                      "special_shapes": ["杀对子"], "kill_list": ")" +
                Numbers(random, 8, 2) + R"(", "base_set": ")" + Numbers(random, 70, 2) +
                R"(", "total_tolerance": ["0", "2"])"));
    case Mode::Three:
        return ParseScheme(SchemeText(
            "three", R"("kill_direct": ")" + Numbers(random, 200, 3) +
                         R"(", "kill_group": "123 456", "kill_pairs": "12 89",
                         "position_match": ["百大于个"], "kill_sum_tails": "05", "bankers": "27",
                         "kill_sums": [0, 1, 26, 27], "position_kill": ["0", "", "9"],
                         "banker_rows": [{"digits": "135", "counts": "12"}],
                         "kill_shapes": {"big_small": ["大大大"]},
                         "special_exclusions": ["豹子", "3连"], "base_set": ")" +
                         Numbers(random, 700, 3) + R"(", "must_keep": ")" + Numbers(random, 20, 3) +
                         R"(", "total_tolerance": ["0", "3"])"));
    case Mode::Four:
        break;
    }
    return ParseScheme(
        SchemeText("four", R"("kill_direct": ")" + Numbers(random, 200, 4) +
                               R"(", "kill_pairs": "12 34 56", "kill_pairs_tolerance": ["0", "1"],
                    "require_triples": "123 456 789 012 345 678 901",
                    "position_kill": ["0", "1", "", "9"], "kill_spans": "01",
                    "kill_sums": "00 01 35 36", "kill_ac": "1",
                    "banker_rows": [{"digits": "58", "counts": ""}, {"digits": "0369", "counts": "12"}],
                    "ratio_big_small": ["0:4", "4:0"], "special_shapes": ["上山", "下山"],
                    "pattern_odd_even": ["奇奇奇奇", "偶偶偶偶"], "run_repeat": ["AAAA", "4连"],
                    "smallest_digits": "01234",
                    "two_star_splice": [")" +
                               Numbers(random, 60, 2) + R"(", "", "", "", "", ""],
                    "three_star_splice": ["", "", "", ")" +
                               Numbers(random, 600, 3) + R"("], "base_set": ")" +
                               Numbers(random, 6000, 4) + R"(", "total_tolerance": ["0", "3"])"));
}

// 5000 made-up draws, line 1's most.
history::DrawHistory FiveThousandDraws() {
    std::mt19937 random(5000);
    history::DrawHistory draws;
    for (int row = 1; row <= 5000; ++row) {
        std::string number;
        for (int k = 0; k < 5; ++k)
            number += static_cast<char>('0' + random() % 10);
        draws.Set(row, std::to_string(20261207000 - row), number);
    }
    return draws;
}

void BM_SchemeBacktestFiveThousandDraws(benchmark::State& state) {
    const Mode mode = static_cast<Mode>(state.range(0));
    const Scheme scheme = Typical(mode);
    const history::DrawHistory draws = FiveThousandDraws();
    SchemeBacktest result;
    for (auto _ : state) {
        result = RunSchemeBacktest(scheme, draws);
        benchmark::DoNotOptimize(result.hits);
    }
    if (result.draws != 5000 || result.hits == 0 || result.hits == 5000 || result.groups.size() < 6)
        state.SkipWithError("not a typical run: every draw hit or missed, or few groups");
    state.SetLabel(std::string(Name(mode)));
    state.counters["bets"] = result.bets;
    state.counters["groups"] = static_cast<double>(result.groups.size());
}
BENCHMARK(BM_SchemeBacktestFiveThousandDraws)
    ->Arg(static_cast<int>(Mode::Two))
    ->Arg(static_cast<int>(Mode::Three))
    ->Arg(static_cast<int>(Mode::Four))
    ->Unit(benchmark::kMillisecond);

// What `backtest --details` prints on top of it: one line per draw.
void BM_SchemeBacktestDetailsText(benchmark::State& state) {
    const SchemeBacktest result = RunSchemeBacktest(Typical(Mode::Four), FiveThousandDraws());
    for (auto _ : state) {
        const std::string text = result.Text(true);
        benchmark::DoNotOptimize(text.data());
    }
}
BENCHMARK(BM_SchemeBacktestDetailsText)->Unit(benchmark::kMillisecond);

SchemeBacktestOptions WithMoney(Mode mode) {
    SchemeBacktestOptions options;
    options.money = history::PurseTerms{200, history::DefaultPrize(mode), {1, 2, 4, 8, 16, 32}};
    return options;
}

void BM_SchemeBacktestWithMoney(benchmark::State& state) {
    const Mode mode = static_cast<Mode>(state.range(0));
    const Scheme scheme = Typical(mode);
    const history::DrawHistory draws = FiveThousandDraws();
    const SchemeBacktestOptions options = WithMoney(mode);
    SchemeBacktest result;
    for (auto _ : state) {
        result = RunSchemeBacktest(scheme, draws, options);
        benchmark::DoNotOptimize(result.purse);
    }
    if (!result.purse || result.purse->steps.size() != 5000)
        state.SkipWithError("the purse did not follow 5000 draws");
    state.SetLabel(std::string(Name(mode)));
    state.counters["highest multiplier"] = result.purse->highest_multiplier;
}
BENCHMARK(BM_SchemeBacktestWithMoney)
    ->Arg(static_cast<int>(Mode::Two))
    ->Arg(static_cast<int>(Mode::Three))
    ->Arg(static_cast<int>(Mode::Four))
    ->Unit(benchmark::kMillisecond);

// The balance chart of 5000 draws: its series filled and the whole chart
// drawn once, as the dialog does after a run.
void BM_BalanceChartFiveThousandPoints(benchmark::State& state) {
    const SchemeBacktest result =
        RunSchemeBacktest(Typical(Mode::Four), FiveThousandDraws(), WithMoney(Mode::Four));
    ui::BalanceChart chart;
    chart.resize(800, 400);
    QImage image(chart.size(), QImage::Format_ARGB32_Premultiplied);
    for (auto _ : state) {
        chart.setResult(result);
        QPainter painter(&image);
        chart.render(&painter);
    }
    if (chart.points() != 5000)
        state.SkipWithError("the chart does not hold 5000 points");
}
BENCHMARK(BM_BalanceChartFiveThousandPoints)->Unit(benchmark::kMillisecond);

} // namespace
