// The four-star pipeline with every condition group of the upper panel and
// the shape frames switched on under heavy but realistic input. The target
// is well under a millisecond per run.
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"
#include "engine4/pipeline.hpp"
#include "engine4/shape_patterns.hpp"

#include <benchmark/benchmark.h>

#include <random>
#include <string>

namespace {

using namespace sorvanta;
using namespace sorvanta::four;

std::string Digits(std::mt19937& random, int length) {
    std::uniform_int_distribution<int> digit(0, 9);
    std::string text;
    for (int i = 0; i < length; ++i)
        text.push_back(static_cast<char>('0' + digit(random)));
    return text;
}

DigitSet RandomDigits(std::mt19937& random, int count) {
    std::uniform_int_distribution<int> digit(0, 9);
    DigitSet set;
    while (static_cast<int>(set.count()) < count)
        set.set(static_cast<std::size_t>(digit(random)));
    return set;
}

FourStarInput HeavyInput() {
    std::mt19937 random(20240611);
    FourStarInput in;
    for (int i = 0; i < 200; ++i)
        in.kill_direct += Digits(random, 4) + " ";
    for (int i = 0; i < 20; ++i) {
        for (int part = 0; part < 4; ++part)
            in.junk_compounds += Digits(random, 6) + (part < 3 ? "*" : "\r\n");
    }
    in.junk_compounds_tolerance = {"0", "2"};
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            in.kill_pairs += std::to_string(a) + std::to_string(b) + ",";
    in.kill_pairs_tolerance = {"2", "5"};
    in.require_pairs = "12 34 56 78 90 13 57";
    for (int a = 0; a < 10; ++a)
        for (int b = a + 1; b < 10; ++b)
            for (int c = b + 1; c < 10; ++c)
                in.kill_triples += std::to_string(a) + std::to_string(b) + std::to_string(c) + " ";
    in.kill_triples_tolerance = {"0", "3"};
    in.require_triples = "123 456 789 012 345 678 901";
    std::uniform_int_distribution<int> star(0, 3);
    for (int i = 0; i < 50; ++i) {
        std::string pattern = Digits(random, 4);
        pattern[static_cast<std::size_t>(star(random))] = '*';
        pattern[static_cast<std::size_t>(star(random))] = '*';
        in.kill_patterns += pattern + " ";
    }
    for (DigitSet& row : in.position_kill)
        row = RandomDigits(random, 3);
    in.position_kill_tolerance = {"0", "1"};
    in.kill_sum_tails = RandomDigits(random, 2);
    in.kill_sums = "00 01 02 03 34 35 36";
    in.kill_spans = RandomDigits(random, 2);
    in.kill_all_digits = RandomDigits(random, 1);
    in.kill_ac = DigitSet("0000000110");
    for (BankerRow& row : in.banker_rows)
        row = {RandomDigits(random, 3), DigitSet("0000000110")};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "2"};
    in.ratio_big_small = {"1:3", "2:2", "3:1"};
    in.ratio_odd_even = {"1:3", "2:2", "3:1"};
    in.ratio_prime_composite = {"1:3", "2:2", "3:1"};
    in.ratio_tolerance = {"0", "1"};
    in.special_shapes = {"上山", "下山", "凸形", "凹形", "N形", "反N形"};
    const auto pick = [&](PatternKind kind, int count) {
        const auto& captions = PatternCaptions(kind);
        std::uniform_int_distribution<std::size_t> index(0, captions.size() - 1);
        CaptionSet chosen;
        while (static_cast<int>(chosen.size()) < count)
            chosen.insert(captions[index(random)]);
        return chosen;
    };
    in.pattern_big_small = pick(PatternKind::BigSmall, 4);
    in.pattern_odd_even = pick(PatternKind::OddEven, 4);
    in.pattern_prime_composite = pick(PatternKind::PrimeComposite, 4);
    in.pattern_route012 = pick(PatternKind::Route012, 20);
    in.pattern_tolerance = {"0", "1"};
    in.total_tolerance = {"0", "3"};
    return in;
}

// The heavy input plus every group of the lower right: run and repeat
// classes, extremes and ten filled splice boxes (60 pairs, 300 triples each).
FourStarInput EveryGroupInput() {
    FourStarInput in = HeavyInput();
    std::mt19937 random(7);
    in.run_repeat = {"4连", "AAAA", "AAAB"};
    in.smallest_digits = DigitSet("0000001111");
    in.largest_digits = DigitSet("1111110000");
    for (std::string& box : in.two_star_splice)
        for (int k = 0; k < 60; ++k)
            box += Digits(random, 2) + " ";
    in.two_star_splice_tolerance = {"0", "2"};
    for (std::string& box : in.three_star_splice)
        for (int k = 0; k < 300; ++k)
            box += Digits(random, 3) + " ";
    in.three_star_splice_tolerance = {"0", "1"};
    in.total_tolerance = {"0", "4"};
    return in;
}

void BM_FourStarEveryGroup(benchmark::State& state) {
    const FourStarInput input = EveryGroupInput();
    FourStarState fourStar;
    for (auto _ : state) {
        RunShrinkPipeline(input, fourStar);
        benchmark::DoNotOptimize(fourStar.candidates.Row(0));
    }
}
BENCHMARK(BM_FourStarEveryGroup)->Unit(benchmark::kMicrosecond);

void BM_FourStarGroupsHeavy(benchmark::State& state) {
    const FourStarInput input = HeavyInput();
    FourStarState fourStar;
    for (auto _ : state) {
        RunShrinkPipeline(input, fourStar);
        benchmark::DoNotOptimize(fourStar.candidates.Row(0));
    }
    std::size_t survivors = 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        survivors += fourStar.candidates.at(n, CandidateSet::kExcluded) == 0 ? 1 : 0;
    state.counters["survivors"] = static_cast<double>(survivors);
}
BENCHMARK(BM_FourStarGroupsHeavy)->Unit(benchmark::kMicrosecond);

} // namespace
