#include "history/draw_history.hpp"
#include "history/omission.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/control_registry.hpp"

#include <QButtonGroup>
#include <QListWidget>

#include <benchmark/benchmark.h>

#include <random>
#include <string>

using namespace sorvanta;

// What the player waits for after every collection and every verification:
// the 5001-line history list filled and the omission grid drawn again with
// its figures, over a full line 1.
static void BM_StripListAndOmissionGrid(benchmark::State& state) {
    ui::ControlRegistry controls;
    QButtonGroup commands, clearButtons, helpButtons;
    ui::VerificationStrip strip(controls,
                                {&commands, &clearButtons, nullptr, nullptr, &helpButtons});
    strip.resize(strip.minimumSizeHint());
    strip.show();

    history::HistoryState history;
    std::mt19937 random(5000);
    std::vector<history::Draw> draws;
    for (int i = 0; i < 5000; ++i) {
        std::string number;
        for (int k = 0; k < 5; ++k)
            number += static_cast<char>('0' + random() % 10);
        draws.push_back({std::to_string(202612319999LL - i), number});
    }
    history::FillHistory(history, history::DataLine::One, draws);
    for (int i = 1; i <= 5000; i += 2)
        history.marks.Set(i, history::Mark::Hit);

    for (auto _ : state) {
        strip.ShowDrawHistory(history);
        strip.FillOmissionGrid(history::ComputeOmission(history));
        if (strip.drawListLines().size() != 5001)
            state.SkipWithError("list not filled");
    }
}
BENCHMARK(BM_StripListAndOmissionGrid)->Unit(benchmark::kMillisecond);
