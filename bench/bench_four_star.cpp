#include "app/fmain.hpp"
#include "engine4/pipeline.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "shell/message_box.hpp"

#include <QCoreApplication>
#include <QPushButton>
#include <benchmark/benchmark.h>

using namespace sorvanta;

// The spine alone: fresh table, no condition, tally.
static void BM_FourStarPipelineNoCondition(benchmark::State& state) {
    four::FourStarState fs;
    const four::FourStarInput input;
    for (auto _ : state) {
        four::RunShrinkPipeline(input, fs);
        benchmark::DoNotOptimize(fs.candidates.at(9999, 0));
    }
}
BENCHMARK(BM_FourStarPipelineNoCondition)->Unit(benchmark::kMicrosecond);

// What the player waits for: the press of "开始缩水" until the list of
// 10,000 survivors, its count and the survivor text are in place.
static void BM_FourStarPressToList(benchmark::State& state) {
    ui::MessageBox::setTestMode(true);
    ui::Fmain window;
    window.show();
    while (window.currentMode() != 2 || !window.isVisible())
        QCoreApplication::processEvents();
    QCoreApplication::processEvents();
    auto* start = window.controls().at<QPushButton>(QStringLiteral("C_guolv_ks"), 0);
    for (auto _ : state) {
        start->click();
        benchmark::DoNotOptimize(window.fourStarState().SurvivorText.size());
    }
    if (window.fourStarState().SurvivorText.size() != 10000 * 5 - 1)
        state.SkipWithError("unexpected survivor text");
}
BENCHMARK(BM_FourStarPressToList)->Unit(benchmark::kMillisecond);
