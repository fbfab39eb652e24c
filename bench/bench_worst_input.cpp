// The worst input the limits allow: every box of a mode holding the longest
// text a box may hold (1,000,000 characters) of what costs its condition the
// most, and scheme files of the largest size the command line reads
// (16 MiB) through the command line's path. Budget: each run under 0.5 s.
#include "common/limits.hpp"
#include "engine23/three_star_pipeline.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "engine4/pipeline.hpp"
#include "process_memory.hpp"
#include "scheme/run_scheme.hpp"
#include "scheme/scheme.hpp"

#include <benchmark/benchmark.h>

#include <memory>
#include <string>

using namespace sorvanta;

namespace {

constexpr std::size_t kLongest = kMaxTextCharacters;

// `piece(i)` for i = 0, 1, ... until the text is as long as a box may hold;
// the last piece is cut to fit.
template <typename Piece> std::string Filled(Piece piece) {
    std::string text;
    text.reserve(kLongest);
    for (int i = 0; text.size() < kLongest; ++i)
        text += piece(i);
    text.resize(kLongest);
    return text;
}

std::string Number(int n, int width) {
    std::string text = std::to_string(n);
    text.insert(0, static_cast<std::size_t>(width) - text.size(), '0');
    return text;
}

// Numbers of `width` digits one blank apart, every value in turn.
std::string Numbers(int width, const char* separator = " ") {
    const int count = width == 2 ? 100 : width == 3 ? 1000 : 10000;
    return Filled([&](int i) { return Number(i * 7 % count, width) + separator; });
}

// Every compound covers every number.
std::string FullCompounds(int parts) {
    std::string line;
    for (int p = 0; p < parts; ++p)
        line += p == 0 ? "0123456789" : "*0123456789";
    line += '\n';
    return Filled([&](int) { return line; });
}

// Compounds with eight digits a part, no two lines alike: the most numbers
// covered without the repeats that are walked once.
std::string DistinctCompounds() {
    auto part = [](int k) {
        // The k-th of the 45 ways to leave out two digits.
        int a = 0;
        while (k >= 9 - a) {
            k -= 9 - a;
            ++a;
        }
        const int b = a + 1 + k;
        std::string digits;
        for (int d = 0; d < 10; ++d)
            if (d != a && d != b)
                digits += static_cast<char>('0' + d);
        return digits;
    };
    return Filled([&](int i) {
        return part(i % 45) + '*' + part(i / 45 % 45) + '*' + part(i / 2025 % 45) + '*' +
               part(i / 91125 % 45) + '\n';
    });
}

// Four-character patterns of digits and "*", every one of the 11^4 in turn.
std::string Patterns() {
    return Filled([](int i) {
        std::string piece;
        for (int p = 0, code = i % 14641; p < 4; ++p, code /= 11)
            piece += code % 11 == 10 ? '*' : static_cast<char>('0' + code % 11);
        return piece + ' ';
    });
}

four::FourStarInput WorstFourStar(const std::string& compounds) {
    four::FourStarInput in;
    in.kill_direct = Numbers(4);
    in.junk_compounds = compounds;
    in.junk_compounds_tolerance = {"0", "100"};
    in.kill_pairs = Numbers(2);
    in.kill_pairs_tolerance = {"0", "100"};
    in.require_pairs = Numbers(2);
    in.kill_triples = Numbers(3);
    in.kill_triples_tolerance = {"0", "100"};
    in.require_triples = Numbers(3);
    in.kill_patterns = Patterns();
    in.kill_sums = Numbers(2);
    for (std::string& box : in.two_star_splice)
        box = Numbers(2);
    for (std::string& box : in.three_star_splice)
        box = Numbers(3);
    in.two_star_splice_tolerance = {"0", "6"};
    in.three_star_splice_tolerance = {"0", "4"};
    in.base_set = Numbers(4);
    in.total_tolerance = {"0", "20"};
    return in;
}

three::ThreeStarInput WorstThreeStar() {
    three::ThreeStarInput in;
    in.kill_direct = Numbers(3);
    in.kill_group = Numbers(3, ",");
    in.junk_compounds = FullCompounds(3);
    in.junk_compounds_tolerance = {"0", "100"};
    in.kill_pairs = Numbers(2);
    in.kill_pairs_tolerance = {"0", "100"};
    in.require_pairs = Numbers(2);
    for (std::string& box : in.position_kill_pairs)
        box = Numbers(2);
    in.position_kill_pairs_tolerance = {"0", "3"};
    for (std::string& box : in.position_require_pairs)
        box = Numbers(2);
    for (auto* boxes : {&in.pair_sums.keep_sum, &in.pair_sums.exclude_sum, &in.pair_sums.keep_diff,
                        &in.pair_sums.exclude_diff, &in.pair_sums.exclude_sum_tail})
        for (std::string& box : *boxes)
            box = Filled([](int i) { return std::to_string(i % 19) + ' '; });
    // The list takes rules one at a time; a long list of every kind.
    static const char* const kRules[] = {"百大于个", "十不等于个", "个小于等于十", "百等于十"};
    for (int i = 0; i < 100000; ++i)
        in.position_match.push_back(kRules[i % 4]);
    // Rules that always hold, so no candidate stops early.
    in.broken_groups = Filled([](int i) { return std::to_string(i % 10) + "=01\n"; });
    in.largest_digits = Filled([](int i) { return std::to_string(i % 10) + ' '; });
    in.smallest_digits = in.largest_digits;
    in.base_set = Numbers(3);
    in.must_keep = Numbers(3);
    in.total_tolerance = {"0", "30"};
    return in;
}

two::TwoStarInput WorstTwoStar() {
    two::TwoStarInput in;
    in.kill_list = Numbers(2);
    in.base_set = Numbers(2);
    in.total_tolerance = {"0", "10"};
    return in;
}

void BM_WorstFourStarPipeline(benchmark::State& state, std::string (*compounds)()) {
    const four::FourStarInput input = WorstFourStar(compounds());
    auto fs = std::make_unique<four::FourStarState>();
    for (auto _ : state) {
        four::RunShrinkPipeline(input, *fs);
        benchmark::DoNotOptimize(fs->candidates.at(9999, 0));
    }
}
std::string RepeatedCompounds() {
    return FullCompounds(4);
}
BENCHMARK_CAPTURE(BM_WorstFourStarPipeline, RepeatedCompounds, &RepeatedCompounds)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(BM_WorstFourStarPipeline, DistinctCompounds, &DistinctCompounds)
    ->Unit(benchmark::kMillisecond);

void BM_WorstThreeStarPipeline(benchmark::State& state) {
    const three::ThreeStarInput input = WorstThreeStar();
    auto ts = std::make_unique<three::ThreeStarState>();
    for (auto _ : state) {
        three::RunThreeStarShrink(input, *ts);
        benchmark::DoNotOptimize(ts->survivors.size());
    }
}
BENCHMARK(BM_WorstThreeStarPipeline)->Unit(benchmark::kMillisecond);

void BM_WorstTwoStarPipeline(benchmark::State& state) {
    const two::TwoStarInput input = WorstTwoStar();
    two::TwoStarState ts;
    for (auto _ : state)
        benchmark::DoNotOptimize(two::RunTwoStarShrink(input, ts).size());
}
BENCHMARK(BM_WorstTwoStarPipeline)->Unit(benchmark::kMillisecond);

// A scheme file as the command line reads it: parsed, run, the result as
// it is printed. The peak counter is the memory the run took.
void RunSchemeFile(benchmark::State& state, const std::string& file) {
    if (file.size() > kMaxSchemeBytes) {
        state.SkipWithError("scheme longer than the command line reads");
        return;
    }
    bench::ResetPeak();
    for (auto _ : state) {
        const scheme::Scheme parsed = scheme::ParseScheme(file);
        benchmark::DoNotOptimize(scheme::RunScheme(parsed).Text().size());
    }
    state.counters["MiB"] = static_cast<double>(file.size()) / (1024.0 * 1024.0);
    state.counters["peak_rss_MB"] = bench::StatusMegabytes("VmHWM:");
}

// The four-star panel at its worst, as many boxes as 16 MiB holds.
std::string FourStarSchemeFile() {
    four::FourStarInput input = WorstFourStar(FullCompounds(4));
    std::string file = scheme::WriteFourStarScheme(input);
    for (std::size_t box = 0; file.size() > kMaxSchemeBytes && box < 4; ++box) {
        input.three_star_splice[box].clear();
        file = scheme::WriteFourStarScheme(input);
    }
    return file;
}

// An envelope around one field whose value fills the rest of 16 MiB with
// `item` repeated, comma-separated.
std::string ListSchemeFile(const char* mode, const char* field, const std::string& item) {
    const std::string head = std::string(R"({"format":"sorvanta-scheme","version":1,"mode":")") +
                             mode + R"(","conditions":{")" + field + R"(":[)";
    const std::string tail = "]}}";
    std::string file = head;
    file.reserve(kMaxSchemeBytes);
    while (file.size() + item.size() + 1 + tail.size() <= kMaxSchemeBytes) {
        if (file.size() > head.size())
            file += ',';
        file += item;
    }
    return file + tail;
}

void BM_WorstFourStarScheme(benchmark::State& state) {
    RunSchemeFile(state, FourStarSchemeFile());
}
BENCHMARK(BM_WorstFourStarScheme)->Unit(benchmark::kMillisecond);

// The position-match list: over a million short rules.
void BM_WorstThreeStarSchemeRules(benchmark::State& state) {
    RunSchemeFile(state, ListSchemeFile("three", "position_match", "\"百大于个\""));
}
BENCHMARK(BM_WorstThreeStarSchemeRules)->Unit(benchmark::kMillisecond);

// The sums to kill: some eight million integers.
void BM_WorstTwoStarSchemeIntegers(benchmark::State& state) {
    RunSchemeFile(state, ListSchemeFile("two", "kill_sums", "1"));
}
BENCHMARK(BM_WorstTwoStarSchemeIntegers)->Unit(benchmark::kMillisecond);

// A caption list: every caption again and again.
void BM_WorstFourStarSchemeCaptions(benchmark::State& state) {
    RunSchemeFile(state, ListSchemeFile("four", "ratio_big_small", "\"1:3\""));
}
BENCHMARK(BM_WorstFourStarSchemeCaptions)->Unit(benchmark::kMillisecond);

} // namespace
