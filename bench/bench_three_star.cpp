// The three-star pipeline with every condition group, the base set and the
// must-keep list in use, each box holding what a heavy player types. Budget:
// the whole run under 50 microseconds.
#include "engine23/three_star_pipeline.hpp"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using namespace sorvanta;
using namespace sorvanta::three;

std::string Numbers(std::mt19937& random, int count, int width, const char* separator) {
    std::string text;
    for (int i = 0; i < count; ++i) {
        int n = static_cast<int>(random() % (width == 3 ? 1000u : 100u));
        std::string piece = std::to_string(n);
        piece.insert(0, static_cast<std::size_t>(width) - piece.size(), '0');
        text += piece + separator;
    }
    return text;
}

ThreeStarInput EveryGroup() {
    std::mt19937 random(2026);
    ThreeStarInput in;
    in.kill_direct = Numbers(random, 300, 3, " ");
    in.kill_group = Numbers(random, 60, 3, ",");
    in.junk_compounds = "0123456*234567*345678\n"
                        "13579*02468*0123\n"
                        "789*789*789\r\n"
                        "012*345*6789\n"
                        "05*16*27\n"
                        "0123456789*0*0123456789\n"
                        "9*9*9\n"
                        "123*456*789\n";
    in.junk_compounds_tolerance = {"0", "1"};
    in.kill_pairs = Numbers(random, 25, 2, " ");
    in.kill_pairs_tolerance = {"0", "2"};
    in.require_pairs = Numbers(random, 30, 2, " ");
    in.position_kill_pairs = {Numbers(random, 12, 2, " "), Numbers(random, 12, 2, " "),
                              Numbers(random, 12, 2, " ")};
    in.position_kill_pairs_tolerance = {"0", "1"};
    in.position_require_pairs = {Numbers(random, 80, 2, " "), "", Numbers(random, 80, 2, " ")};
    in.pair_sums.keep_sum = {"3 4 5 6 7 8 9 10 11 12 13 14 15", "用空格隔开",
                             "2 3 4 5 6 7 8 9 10 11"};
    in.pair_sums.exclude_sum = {"0 18", "0 1 17 18", "用空格隔开"};
    in.pair_sums.keep_diff = {"用空格隔开", "0 1 2 3 4 5 6 7", "用空格隔开"};
    in.pair_sums.exclude_diff = {"9", "用空格隔开", "9 8"};
    in.pair_sums.exclude_sum_tail = {"用空格隔开", "0", "用空格隔开"};
    in.any_two_sum_tails = DigitSet("1111111110");
    in.any_two_diffs = DigitSet("0111111111");
    in.position_match = {"百大于个", "百等于个", "十不等于个", "个小于等于十", "百大于等于十"};
    in.positional_bankers.hundreds = DigitSet("0001110001");
    in.positional_bankers.tens = DigitSet("0110000110");
    in.positional_bankers.units = DigitSet("1000011000");
    in.positional_bankers.counts = DigitSet("0000000110");
    in.broken_groups = "123-456-7890=12\n"
                       "01-23-45-67-89=123\n"
                       "0-1-2-3-4-5-6-7-8-9=123\n"
                       "13579-02468=12\n";
    in.kill_sum_tails = DigitSet("0000000001");
    in.kill_spans = DigitSet("0000000001");
    in.bankers = DigitSet("0101010101");
    in.bankers_at_least = 1;
    in.kill_sums.set(0).set(1).set(2).set(25).set(26).set(27);
    in.exclude_compound = {DigitSet("1110000000"), DigitSet("1110000000"), DigitSet("1110000000")};
    in.position_kill = {DigitSet("0000000011"), DigitSet("1100000000"), DigitSet("0000100000")};
    in.position_kill_tolerance = {"0", "1"};
    in.banker_rows[0] = {DigitSet("0000000111"), DigitSet("0000000110")};
    in.banker_rows[1] = {DigitSet("0000111000"), {}};
    in.banker_rows[2] = {DigitSet("0111000000"), DigitSet("0000000111")};
    in.banker_rows[3] = {DigitSet("1000000001"), DigitSet("0000000011")};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "2"};
    in.kill_shapes.big_small = {"大大大", "小小小"};
    in.kill_shapes.odd_even = {"奇奇奇", "偶偶偶"};
    in.kill_shapes.prime_composite = {"合合合"};
    in.kill_shapes_tolerance = {"0", "1"};
    in.largest_digits = "4 5 6 7 8 9";
    in.smallest_digits = "0 1 2 3 4";
    in.keep_counts.big = DigitSet("0000000110");
    in.keep_counts.odd = DigitSet("0000001111");
    in.keep_counts.prime = DigitSet("0000000111");
    in.exclude_routes = {"000", "111", "222"};
    in.special_exclusions = {"豹子", "3连", "上山", "凹型"};
    in.base_set = Numbers(random, 700, 3, " ");
    in.must_keep = Numbers(random, 20, 3, " ");
    in.total_tolerance = {"0", "6"};
    return in;
}

void BM_ThreeStarNoCondition(benchmark::State& state) {
    ThreeStarState ts;
    const ThreeStarInput input;
    for (auto _ : state) {
        RunThreeStarShrink(input, ts);
        benchmark::DoNotOptimize(ts.survivors.size());
    }
}
BENCHMARK(BM_ThreeStarNoCondition)->Unit(benchmark::kMicrosecond);

void BM_ThreeStarEveryGroup(benchmark::State& state) {
    ThreeStarState ts;
    const ThreeStarInput input = EveryGroup();
    for (auto _ : state) {
        RunThreeStarShrink(input, ts);
        benchmark::DoNotOptimize(ts.survivors.size());
    }
    if (ts.table.ConditionCount() != static_cast<int>(kThreeStarGroups.size()) ||
        ts.survivors.empty())
        state.SkipWithError("not every group took part, or nothing survived");
    state.counters["survivors"] = static_cast<double>(ts.survivors.size());
}
BENCHMARK(BM_ThreeStarEveryGroup)->Unit(benchmark::kMicrosecond);

// One group at a time on the same heavy input, to see where a run goes.
void BM_ThreeStarGroup(benchmark::State& state) {
    const ThreeStarGroup& group = kThreeStarGroups[static_cast<std::size_t>(state.range(0))];
    const ThreeStarInput input = EveryGroup();
    ThreeStarMarks marks{};
    for (auto _ : state) {
        marks.fill(0);
        benchmark::DoNotOptimize(group.apply(input, marks));
        benchmark::ClobberMemory();
    }
    state.SetLabel(std::string(group.name));
}
BENCHMARK(BM_ThreeStarGroup)->DenseRange(0, 23)->Unit(benchmark::kMicrosecond);

} // namespace
