// The engine against the plain model of three_star_model.hpp on random
// panels: the same active groups in the same columns, the same marks in
// every column, the same base set, must-keep list and survivors.

#include "three_star_model.hpp"

#include "engine23/three_star_pipeline.hpp"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::three;

namespace {

class Random {
public:
    explicit Random(unsigned seed) : engine_(seed) {}
    int Between(int low, int high) {
        return std::uniform_int_distribution<int>(low, high)(engine_);
    }
    bool Chance(double p) { return std::bernoulli_distribution(p)(engine_); }
    template <typename T> const T& Pick(const std::vector<T>& items) {
        return items[static_cast<std::size_t>(Between(0, static_cast<int>(items.size()) - 1))];
    }
    std::string Digits(int length) {
        std::string s;
        for (int i = 0; i < length; ++i)
            s.push_back(static_cast<char>('0' + Between(0, 9)));
        return s;
    }
    DigitSet DigitsSet(double pEmpty, int highest = 9) {
        DigitSet set;
        if (Chance(pEmpty))
            return set;
        for (int d = 0; d <= highest; ++d)
            if (Chance(0.3))
                set.set(static_cast<std::size_t>(d));
        return set;
    }

private:
    std::mt19937 engine_;
};

const std::vector<std::string> kSeparators = {" ",  " ",  "  ", ",", "，", "a", "\n", "\r\n",
                                              "、", "１", "-",  "*", "\t", "=", "。"};

// Digit pieces around `width`, joined by separators of every kind.
std::string NumberText(Random& r, int width) {
    switch (r.Between(0, 9)) {
    case 0:
        return "";
    case 1:
        return r.Pick(std::vector<std::string>{"双击清空", "\n双击清空\n", "大底号码，双击清空",
                                               "用空格隔开", " 12", "1", "12 3", "12 34"});
    default:
        break;
    }
    std::string text;
    if (r.Chance(0.2))
        text += r.Pick(kSeparators);
    const int pieces = r.Between(1, 8);
    for (int i = 0; i < pieces; ++i) {
        if (i > 0)
            text += r.Pick(kSeparators);
        int length = width;
        if (r.Chance(0.3))
            length = r.Between(1, width + 2);
        text += r.Digits(length);
    }
    if (r.Chance(0.2))
        text += r.Pick(kSeparators);
    return text;
}

std::string DigitPart(Random& r) {
    std::string part;
    const int length = r.Between(0, 6);
    for (int i = 0; i < length; ++i)
        part +=
            r.Chance(0.85) ? r.Digits(1) : r.Pick(std::vector<std::string>{" ", "a", "质", "\r"});
    return part;
}

std::string LineBreak(Random& r) {
    return r.Pick(std::vector<std::string>{"\n", "\r\n", "\n", "\n\n", "\r\n\r\n", "\r"});
}

std::string CompoundText(Random& r) {
    if (r.Chance(0.15))
        return r.Pick(std::vector<std::string>{"", "双击清空", "\n双击清空\n", "\n\n", "\n", "12",
                                               "*", "1*2", "1\n"});
    std::string text;
    const int lines = r.Between(1, 5);
    for (int l = 0; l < lines; ++l) {
        if (l > 0)
            text += LineBreak(r);
        int parts = r.Chance(0.7) ? 3 : r.Between(1, 5);
        for (int p = 0; p < parts; ++p) {
            if (p > 0)
                text += r.Chance(0.9) ? "*" : "x*";
            text += DigitPart(r);
        }
    }
    return text;
}

std::string BrokenGroupText(Random& r) {
    if (r.Chance(0.15))
        return r.Pick(std::vector<std::string>{"", "双击清空", "=1", "12=", "12", "-=0", "12--3=1",
                                               "1=2=3", "\n\n"});
    std::string text;
    const int lines = r.Between(1, 3);
    for (int l = 0; l < lines; ++l) {
        if (l > 0)
            text += LineBreak(r);
        const int groups = r.Chance(0.1) ? r.Between(20, 24) : r.Between(1, 4);
        for (int g = 0; g < groups; ++g) {
            if (g > 0)
                text += "-";
            text += r.Chance(0.1) ? "" : r.Digits(r.Between(1, 4));
        }
        const int equals = r.Chance(0.1) ? r.Between(0, 2) : 1;
        for (int e = 0; e < equals; ++e) {
            text += "=";
            for (int c = r.Chance(0.1) ? 0 : r.Between(1, 3); c > 0; --c)
                text += std::to_string(r.Chance(0.8) ? r.Between(0, std::min(groups, 9))
                                                     : r.Between(0, 9));
        }
        if (r.Chance(0.1))
            text += r.Pick(std::vector<std::string>{" ", "a", "，", "-4"});
    }
    return text;
}

RangeText Range(Random& r) {
    const std::vector<std::string> bounds = {"0",  "0",  "0",   "1",   "1",  "2",   "3", "-1",
                                             "2a", "a2", "1.5", "2.5", " 1", "150", "",  "+1"};
    RangeText range;
    if (r.Chance(0.4))
        return range;
    range.lower = r.Pick(bounds);
    range.upper = r.Pick(bounds);
    return range;
}

CaptionSet Captions(Random& r, std::vector<std::string> offered, double pEmpty) {
    CaptionSet chosen;
    if (r.Chance(pEmpty))
        return chosen;
    for (const std::string& c : offered)
        if (r.Chance(0.25))
            chosen.insert(c);
    if (r.Chance(0.1))
        chosen.insert(r.Pick(std::vector<std::string>{"xyz", "大", "333", "上", ""}));
    return chosen;
}

std::string MatchRule(Random& r) {
    const std::vector<std::string> letters = {"百", "十", "个"};
    const std::vector<std::string> comparisons = {"大于",     "小于",     "等于",
                                                  "大于等于", "小于等于", "不等于"};
    if (r.Chance(0.15))
        return r.Pick(std::vector<std::string>{"", "百", "大于", "百大于", "大于个", "百大个",
                                               "百大于十个", "十等于百十", "a大于b", "百 大于个",
                                               "个百不等于十"});
    return r.Pick(letters) + r.Pick(comparisons) + r.Pick(letters);
}

std::vector<std::string> ShapeCaptions(const char* classes[2]) {
    // Every three-character shape of the two classes.
    std::vector<std::string> all;
    for (int a = 0; a < 2; ++a)
        for (int b = 0; b < 2; ++b)
            for (int c = 0; c < 2; ++c)
                all.push_back(std::string(classes[a]) + classes[b] + classes[c]);
    return all;
}

ThreeStarInput RandomInput(Random& r, double pOff) {
    ThreeStarInput in;
    auto maybe = [&](auto make) {
        return r.Chance(pOff) ? decltype(make()){} : make();
    };
    in.kill_direct = maybe([&] { return NumberText(r, 3); });
    in.kill_group = maybe([&] { return NumberText(r, 3); });
    in.junk_compounds = maybe([&] { return CompoundText(r); });
    in.junk_compounds_tolerance = Range(r);
    in.kill_pairs = maybe([&] { return NumberText(r, 2); });
    in.kill_pairs_tolerance = Range(r);
    in.require_pairs = maybe([&] { return NumberText(r, 2); });
    for (std::size_t b = 0; b < 3; ++b) {
        in.position_kill_pairs[b] = maybe([&] { return NumberText(r, 2); });
        in.position_require_pairs[b] = r.Chance(0.5) ? "" : maybe([&] { return NumberText(r, 2); });
    }
    in.position_kill_pairs_tolerance = Range(r);
    for (auto* row : {&in.pair_sums.keep_sum, &in.pair_sums.exclude_sum, &in.pair_sums.keep_diff,
                      &in.pair_sums.exclude_diff, &in.pair_sums.exclude_sum_tail})
        for (std::string& box : *row)
            box = r.Chance(0.7) ? std::string("用空格隔开")
                                : maybe([&] { return NumberText(r, r.Between(1, 2)); });
    in.any_two_sum_tails = maybe([&] { return r.DigitsSet(0.3); });
    in.any_two_diffs = maybe([&] { return r.DigitsSet(0.3); });
    if (!r.Chance(pOff))
        for (int k = r.Between(1, 4); k > 0; --k)
            in.position_match.push_back(MatchRule(r));
    in.positional_bankers.hundreds = maybe([&] { return r.DigitsSet(0.4); });
    in.positional_bankers.tens = maybe([&] { return r.DigitsSet(0.4); });
    in.positional_bankers.units = maybe([&] { return r.DigitsSet(0.4); });
    in.positional_bankers.counts = r.DigitsSet(0.4, 3);
    in.broken_groups = maybe([&] { return BrokenGroupText(r); });
    in.kill_sum_tails = maybe([&] { return r.DigitsSet(0.2); });
    in.kill_spans = maybe([&] { return r.DigitsSet(0.2); });
    in.bankers = maybe([&] { return r.DigitsSet(0.2); });
    in.bankers_at_least = r.Chance(0.9) ? r.Between(1, 3) : r.Between(-1, 5);
    if (!r.Chance(pOff))
        for (int s = 0; s <= 27; ++s)
            if (r.Chance(0.15))
                in.kill_sums.set(static_cast<std::size_t>(s));
    if (!r.Chance(pOff))
        for (DigitSet& row : in.exclude_compound)
            row = r.DigitsSet(0.1);
    for (DigitSet& row : in.position_kill)
        row = maybe([&] { return r.DigitsSet(0.3); });
    in.position_kill_tolerance = Range(r);
    for (BankerRow& row : in.banker_rows) {
        row.digits = maybe([&] { return r.DigitsSet(0.4); });
        row.counts = r.DigitsSet(0.4, r.Chance(0.9) ? 3 : 9);
    }
    in.banker_count_repeats = r.Chance(0.5);
    in.banker_tolerance = Range(r);
    const char* bigSmall[2] = {"大", "小"};
    const char* oddEven[2] = {"奇", "偶"};
    const char* primeComposite[2] = {"质", "合"};
    in.kill_shapes.big_small = Captions(r, ShapeCaptions(bigSmall), pOff);
    in.kill_shapes.odd_even = Captions(r, ShapeCaptions(oddEven), pOff);
    in.kill_shapes.prime_composite = Captions(r, ShapeCaptions(primeComposite), pOff);
    in.kill_shapes_tolerance = Range(r);
    in.largest_digits = maybe([&] { return NumberText(r, 1); });
    in.smallest_digits = maybe([&] { return NumberText(r, 1); });
    in.keep_counts.big = maybe([&] { return r.DigitsSet(0.3, 3); });
    in.keep_counts.odd = maybe([&] { return r.DigitsSet(0.3, 3); });
    in.keep_counts.prime = maybe([&] { return r.DigitsSet(0.3, 3); });
    std::vector<std::string> routes;
    for (int n = 0; n < 27; ++n)
        routes.push_back(std::string{char('0' + n / 9), char('0' + n / 3 % 3), char('0' + n % 3)});
    in.exclude_routes = Captions(r, routes, pOff);
    in.special_exclusions = Captions(
        r, {"豹子", "组三", "组六", "不连", "2连", "3连", "上山", "下山", "凹型", "凸型"}, pOff);
    in.base_set = r.Chance(0.7) ? "" : NumberText(r, 3);
    if (r.Chance(0.1)) {
        // A base set big enough to leave survivors.
        std::string big;
        for (int i = 0; i < 400; ++i)
            big += r.Digits(3) + " ";
        in.base_set = big;
    }
    in.base_set_group = r.Chance(0.5);
    in.must_keep = r.Chance(0.7) ? "" : NumberText(r, 3);
    in.total_tolerance = Range(r);
    if (r.Chance(0.3)) {
        in.total_tolerance.lower = std::to_string(r.Between(0, 6));
        in.total_tolerance.upper = std::to_string(r.Between(0, 24));
    }
    return in;
}

// How often each group was active, and how often it split the candidates
// (marked some, not all): the random panels must reach every rule.
struct Coverage {
    std::array<int, 24> active{};
    std::array<int, 24> split{};
    int someSurvivors = 0;
};

void ExpectSameAsModel(const ThreeStarInput& input, const std::string& label, Coverage& coverage) {
    auto state = std::make_unique<ThreeStarState>();
    RunThreeStarShrink(input, *state);
    const model::ModelRun expected = model::Run(input);

    ASSERT_EQ(state->columns, expected.groups) << label;
    ASSERT_EQ(state->table.ConditionCount(), static_cast<int>(expected.groups.size())) << label;
    for (std::size_t k = 0; k < expected.groups.size(); ++k) {
        const int column = static_cast<int>(k) + 1;
        int wrong = 0;
        for (int n = 0; n < 1000; ++n)
            if ((state->table.at(n, column) == 1) !=
                    expected.marks[k][static_cast<std::size_t>(n)] &&
                ++wrong <= 3)
                ADD_FAILURE() << label << ": group " << GroupName(expected.groups[k])
                              << " candidate " << n << " engine " << state->table.at(n, column);
        ASSERT_EQ(wrong, 0) << label;
    }
    EXPECT_EQ(state->BaseSetInForce(), expected.baseSetOn) << label;
    EXPECT_EQ(state->MustKeepGiven(), expected.mustKeepOn) << label;
    std::vector<int> survivors;
    for (int n = 0; n < 1000; ++n) {
        EXPECT_EQ(state->table.at(n, ThreeStarTable::kBaseSet) == 1,
                  expected.baseSetOn && expected.inBase[static_cast<std::size_t>(n)])
            << label << " base " << n;
        EXPECT_EQ(state->table.at(n, ThreeStarTable::kList) == 1,
                  expected.mustKeep[static_cast<std::size_t>(n)])
            << label << " must-keep " << n;
        if (!expected.excluded[static_cast<std::size_t>(n)])
            survivors.push_back(n);
    }
    ASSERT_EQ(state->survivors, survivors) << label;
    for (std::size_t k = 0; k < expected.groups.size(); ++k) {
        const auto g = static_cast<std::size_t>(expected.groups[k]);
        ++coverage.active[g];
        int marked = 0;
        for (bool m : expected.marks[k])
            marked += m ? 1 : 0;
        coverage.split[g] += marked > 0 && marked < 1000 ? 1 : 0;
    }
    coverage.someSurvivors += !survivors.empty() && survivors.size() < 1000 ? 1 : 0;
    EXPECT_EQ(static_cast<int>(state->survivors.size()), static_cast<int>(survivors.size()));
    std::string text;
    for (int n : survivors) {
        if (!text.empty())
            text += ' ';
        text += model::FixedWidthText(n);
    }
    EXPECT_EQ(ThreeDigitTexts(state->survivors), text) << label;
}

// SORVANTA_MODEL_SCALE=k runs every test k times as many panels (a longer
// hunt for disagreements; the default keeps the suite quick).
int Scaled(int runs) {
    const char* scale = std::getenv("SORVANTA_MODEL_SCALE");
    const int k = scale != nullptr ? std::atoi(scale) : 1;
    return runs * (k > 0 ? k : 1);
}

void ExpectCovered(const Coverage& coverage, int runs) {
    for (std::size_t g = 0; g < 24; ++g) {
        EXPECT_GE(coverage.split[g], 5) << kThreeStarGroups[g].name;
        EXPECT_LT(coverage.active[g], runs) << kThreeStarGroups[g].name;
    }
    EXPECT_GE(coverage.someSurvivors, runs / 20);
}

// Most groups off: one or two groups at a time meet their edge cases.
TEST(ThreeStarModel, SparsePanels) {
    Random r(20261208);
    Coverage coverage;
    const int kRuns = Scaled(300);
    for (int i = 0; i < kRuns; ++i)
        ExpectSameAsModel(RandomInput(r, 0.9), "sparse #" + std::to_string(i), coverage);
    ExpectCovered(coverage, kRuns);
}

// Every group likely on: the columns must line up in pipeline order.
TEST(ThreeStarModel, CrowdedPanels) {
    Random r(7);
    Coverage coverage;
    const int kRuns = Scaled(100);
    for (int i = 0; i < kRuns; ++i)
        ExpectSameAsModel(RandomInput(r, 0.1), "crowded #" + std::to_string(i), coverage);
    for (std::size_t g = 0; g < 24; ++g)
        EXPECT_GE(coverage.split[g], 5) << kThreeStarGroups[g].name;
}

TEST(ThreeStarModel, HalfFullPanels) {
    Random r(99);
    Coverage coverage;
    const int kRuns = Scaled(150);
    for (int i = 0; i < kRuns; ++i)
        ExpectSameAsModel(RandomInput(r, 0.5), "half #" + std::to_string(i), coverage);
    ExpectCovered(coverage, kRuns);
}

} // namespace
