// The engine against the model on random panels: every mark column, both
// lists, the tally and the three listings must agree for all 100 candidates.

#include "common/number_list.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "two_star_model.hpp"

#include <gtest/gtest.h>

#include <random>
#include <string>

namespace {

using namespace sorvanta;
using namespace sorvanta::two;

class RandomPanel {
public:
    explicit RandomPanel(unsigned seed) : random_(seed) {}

    TwoStarInput Next() {
        TwoStarInput in;
        for (BankerRow& row : in.banker_rows) {
            row.digits = Sometimes() ? Digits<10>(0.3) : DigitSet{};
            row.counts = Sometimes() ? Digits<3>(0.5) : DigitSet{};
        }
        in.banker_count_repeats = Chance(0.5);
        in.banker_tolerance = Range(3);
        in.kill_spans = Sometimes() ? Digits<10>(0.2) : DigitSet{};
        if (Sometimes())
            for (std::size_t s = 0; s < in.kill_sums.size(); ++s)
                in.kill_sums[s] = Chance(0.2);
        for (DigitSet& row : in.position_kill)
            row = Sometimes() ? Digits<10>(0.3) : DigitSet{};
        in.position_kill_tolerance = Range(2);
        for (DigitSet& row : in.compound_exclusion)
            row = Chance(0.6) ? Digits<10>(0.4) : DigitSet{};
        in.shapes.big_small = Captions(kBigSmallCaptions);
        in.shapes.odd_even = Captions(kOddEvenCaptions);
        in.shapes.prime_composite = Captions(kPrimeCompositeCaptions);
        in.shapes.route012 = Captions(kRoute012Captions);
        in.shapes_tolerance = Range(4);
        in.special_shapes = Captions(kSpecialShapeCaptions);
        in.special_shapes_tolerance = Range(5);
        in.kill_list = ListText(0.4, 6);
        in.base_set = ListText(0.3, 60);
        in.total_tolerance = Range(7);
        return in;
    }

private:
    bool Chance(double p) { return std::bernoulli_distribution(p)(random_); }
    bool Sometimes() { return Chance(0.4); }
    int Uniform(int lo, int hi) { return std::uniform_int_distribution<int>(lo, hi)(random_); }

    template <std::size_t N> DigitSet Digits(double p) {
        DigitSet set;
        for (std::size_t d = 0; d < N; ++d)
            set[d] = Chance(p);
        return set;
    }

    template <std::size_t N> CaptionSet Captions(const std::array<std::string_view, N>& offered) {
        CaptionSet set;
        if (Sometimes())
            for (std::string_view caption : offered)
                if (Chance(0.3))
                    set.emplace(caption);
        return set;
    }

    // Mostly small bounds inside the group's reach, now and then a text the
    // leading-number rule has to read.
    RangeText Range(int reach) {
        static const char* const odd[] = {"", "-1", "2a", "a2", "1.5", "2.5", " 1", "150"};
        auto bound = [&] {
            return Chance(0.15) ? std::string(odd[Uniform(0, 7)])
                                : std::to_string(Uniform(0, reach));
        };
        RangeText range;
        if (Chance(0.5))
            return range;
        range.lower = bound();
        range.upper = bound();
        return range;
    }

    // A list box: empty, its hint, or pieces of one to three digits between
    // separators a player might type or paste.
    std::string ListText(double p, int pieces) {
        // A lone lead byte must not swallow the digits after it.
        static const char* const separators[] = {" ", ",", "\n", "，", "x", "  ", "０", "\xe4"};
        if (!Chance(p))
            return Chance(0.3) ? std::string(Chance(0.5) ? kKillListHint : kBaseSetHint)
                               : std::string();
        std::string text;
        const int count = Uniform(1, pieces);
        for (int i = 0; i < count; ++i) {
            const int length = Chance(0.8) ? 2 : Uniform(1, 3);
            for (int k = 0; k < length; ++k)
                text += static_cast<char>('0' + Uniform(0, 9));
            text += separators[Uniform(0, 7)];
        }
        return text;
    }

    std::mt19937 random_;
};

TEST(TwoStarModel, EngineAgreesWithModelOnRandomPanels) {
    RandomPanel panel(20240607u);
    TwoStarState state;
    int restricted = 0;
    for (int round = 0; round < 2000; ++round) {
        const TwoStarInput in = panel.Next();
        const model::ModelRun expected = model::Run(in);
        const std::vector<int> result = RunTwoStarShrink(in, state);
        SCOPED_TRACE("round " + std::to_string(round));

        ASSERT_EQ(state.columns, expected.groups);
        ASSERT_EQ(state.table.ConditionCount(), static_cast<int>(expected.groups.size()));
        const TwoStarTable& table = state.table;
        for (int n = 0; n < 100; ++n) {
            const auto row = static_cast<std::size_t>(n);
            for (std::size_t k = 0; k < expected.marks.size(); ++k)
                ASSERT_EQ(table.at(n, static_cast<int>(k) + 1) == 1, expected.marks[k][row])
                    << GroupName(expected.groups[k]) << " at " << n;
            ASSERT_EQ(table.at(n, TwoStarTable::kList) == 1, expected.killed[row]) << n;
            ASSERT_EQ(table.at(n, TwoStarTable::kBaseSet) == 1, expected.inBase[row]) << n;
            ASSERT_EQ(table.at(n, TwoStarTable::kExcluded) == 1, expected.excluded[row]) << n;
        }
        ASSERT_EQ(table.at(TwoStarTable::kNotesRow, TwoStarTable::kList) == 1, expected.killListOn);
        ASSERT_EQ(table.at(TwoStarTable::kNotesRow, TwoStarTable::kBaseSet) == 1,
                  expected.baseSetOn);

        const std::string survivors = model::Listed(expected, false);
        ASSERT_EQ(JoinNumbers(result, 2), survivors);
        ASSERT_EQ(JoinNumbers(InvertTwoStar(in, state), 2), model::Listed(expected, true));
        ASSERT_EQ(JoinNumbers(ConvertTwoStarToGroup(in, state), 2), model::GroupList(expected));
        restricted += !result.empty() && result.size() < 100 ? 1 : 0;
    }
    // Random panels that keep everything or nothing prove little.
    EXPECT_GT(restricted, 700);
}

} // namespace
