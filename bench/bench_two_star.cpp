// The two-star pipeline with every condition group, the kill list and the
// base set in use. The table is small: a run is meant to take well under
// ten microseconds.
#include "engine23/two_star_pipeline.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace sorvanta;
using namespace sorvanta::two;

TwoStarInput EveryGroup() {
    TwoStarInput in;
    in.banker_rows[0].digits = DigitSet("0000100110");
    in.banker_rows[0].counts = DigitSet("0000000010");
    in.banker_rows[1].digits = DigitSet("1001000001");
    in.banker_rows[2].digits = DigitSet("0110000000");
    in.banker_rows[2].counts = DigitSet("0000000011");
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "1"};
    in.kill_spans = DigitSet("1000000001");
    in.kill_sums.set(0).set(1).set(17).set(18);
    in.position_kill = {DigitSet("0000000011"), DigitSet("1100000000")};
    in.position_kill_tolerance = {"0", "1"};
    in.compound_exclusion = {DigitSet("0000011111"), DigitSet("0000000111")};
    in.shapes.big_small = {"大大", "小小"};
    in.shapes.odd_even = {"单单"};
    in.shapes.prime_composite = {"合合"};
    in.shapes.route012 = {"00", "12", "21"};
    in.shapes_tolerance = {"0", "2"};
    in.special_shapes = {"杀对子", "杀连号"};
    in.special_shapes_tolerance = {"0", "1"};
    in.kill_list = "05 50 37,73 x9";
    for (int n = 0; n < 100; n += 3)
        in.base_set += std::to_string(n / 10) + std::to_string(n % 10) + " ";
    in.total_tolerance = {"0", "2"};
    return in;
}

void BM_TwoStarNoCondition(benchmark::State& state) {
    TwoStarState ts;
    const TwoStarInput input;
    for (auto _ : state) {
        benchmark::DoNotOptimize(RunTwoStarShrink(input, ts).size());
    }
}
BENCHMARK(BM_TwoStarNoCondition)->Unit(benchmark::kMicrosecond);

void BM_TwoStarEveryGroup(benchmark::State& state) {
    TwoStarState ts;
    const TwoStarInput input = EveryGroup();
    int count = 0;
    for (auto _ : state) {
        count = static_cast<int>(RunTwoStarShrink(input, ts).size());
        benchmark::DoNotOptimize(count);
    }
    if (ts.table.ConditionCount() != static_cast<int>(kTwoStarGroups.size()) || count == 0)
        state.SkipWithError("not every group took part, or nothing survived");
}
BENCHMARK(BM_TwoStarEveryGroup)->Unit(benchmark::kMicrosecond);

} // namespace
