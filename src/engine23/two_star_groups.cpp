#include "engine23/two_star_groups.hpp"

#include "common/digit_classes.hpp"
#include "common/number_list.hpp"
#include "common/text.hpp"
#include "engine23/star_types.hpp"

#include <algorithm>
#include <cstdint>
#include <cstdlib>

namespace sorvanta::two {

namespace {

constexpr int kCandidates = TwoStarTable::kCandidates;

bool Has(std::uint32_t mask, int bit) {
    return ((mask >> bit) & 1u) != 0;
}

// Takes the group's column and writes the verdicts; only a group in use
// may call this, since taking a column is what makes a group count.
template <typename Fails>
bool MarkFailures(const TwoStarDigits& digits, TwoStarTable& table, Fails fails) {
    const int column = table.TakeColumn();
    for (int n = 0; n < kCandidates; ++n)
        if (fails(digits.Digit(n, 0), digits.Digit(n, 1)))
            table.at(n, column) = 1;
    return true;
}

struct ShapeFamily {
    std::uint32_t chosen;
    int (*index)(int, int);
};

// Bit i set when the i-th caption of `captions` is chosen. A caption the
// block does not offer selects nothing: the panel cannot produce one and
// the scheme loader refuses it.
template <std::size_t N>
std::uint32_t ChosenCaptions(const CaptionSet& chosen,
                             const std::array<std::string_view, N>& captions) {
    std::uint32_t mask = 0;
    for (const std::string& caption : chosen)
        for (std::size_t i = 0; i < N; ++i)
            if (captions[i] == caption)
                mask |= 1u << i;
    return mask;
}

// Which caption of a family a candidate shows: the caption tables list the
// pairs with the first class of each family ahead of the second.
int BigSmallIndex(int t, int u) {
    return 2 * (IsBig(t) ? 0 : 1) + (IsBig(u) ? 0 : 1);
}
int OddEvenIndex(int t, int u) {
    return 2 * (IsOdd(t) ? 0 : 1) + (IsOdd(u) ? 0 : 1);
}
int PrimeCompositeIndex(int t, int u) {
    return 2 * (IsPrime(t) ? 0 : 1) + (IsPrime(u) ? 0 : 1);
}
int Route012Index(int t, int u) {
    return 3 * Route012(t) + Route012(u);
}

std::array<ShapeFamily, 4> ShapeFamilies(const TwoStarShapes& shapes) {
    return {{
        {ChosenCaptions(shapes.big_small, kBigSmallCaptions), BigSmallIndex},
        {ChosenCaptions(shapes.odd_even, kOddEvenCaptions), OddEvenIndex},
        {ChosenCaptions(shapes.prime_composite, kPrimeCompositeCaptions), PrimeCompositeIndex},
        {ChosenCaptions(shapes.route012, kRoute012Captions), Route012Index},
    }};
}

bool Meets(SpecialShape shape, int t, int u) {
    const int span = std::abs(t - u);
    switch (shape) {
    case SpecialShape::Pair:
        return span == 0;
    case SpecialShape::Consecutive:
        // 9 and 0 are neighbours on the ring of digits.
        return span == 1 || span == 9;
    case SpecialShape::Mixed:
        return span != 0 && span != 1 && span != 9;
    case SpecialShape::TensAbove:
        return t > u;
    case SpecialShape::TensBelow:
        return t < u;
    }
    return false;
}

// Calls fn for every two-digit piece of a list box; returns whether there
// was one. A box still showing its hint has nothing in it.
template <typename Fn>
bool ForEachListedNumber(const std::string& text, std::string_view hint, Fn&& fn) {
    if (text == hint)
        return false;
    bool any = false;
    ForEachNumber(DigitsOnly(text), 2, [&](int n) {
        fn(n);
        any = true;
    });
    return any;
}

} // namespace

bool BankerGroupsInUse(const TwoStarInput& input) {
    // Counts of a row without bankers are not a condition.
    return std::any_of(input.banker_rows.begin(), input.banker_rows.end(),
                       [](const BankerRow& row) { return row.digits.any(); });
}

bool KillSpanInUse(const TwoStarInput& input) {
    return input.kill_spans.any();
}

bool KillSumInUse(const TwoStarInput& input) {
    return input.kill_sums.any();
}

bool PositionKillInUse(const TwoStarInput& input) {
    return input.position_kill[0].any() || input.position_kill[1].any();
}

bool CompoundExclusionInUse(const TwoStarInput& input) {
    return input.compound_exclusion[0].any() && input.compound_exclusion[1].any();
}

bool ShapesInUse(const TwoStarInput& input) {
    const std::array<ShapeFamily, 4> families = ShapeFamilies(input.shapes);
    return std::any_of(families.begin(), families.end(),
                       [](const ShapeFamily& family) { return family.chosen != 0; });
}

bool SpecialShapesInUse(const TwoStarInput& input) {
    return ChosenCaptions(input.special_shapes, kSpecialShapeCaptions) != 0;
}

bool ApplyBankerGroups(const TwoStarInput& input, const TwoStarDigits& digits,
                       TwoStarTable& table) {
    if (!BankerGroupsInUse(input))
        return false;
    constexpr std::uint16_t kCountButtons = 0b111;
    constexpr std::uint16_t kOneOrTwo = 0b110;
    const star::BankerMasks<3> bankers(input.banker_rows, kCountButtons, kOneOrTwo);
    const AllowedCounts allowed = input.banker_tolerance.Allowed();
    const bool repeats = input.banker_count_repeats;
    return MarkFailures(digits, table, [&](int t, int u) {
        int wrong = 0;
        for (std::size_t r = 0; r < bankers.size; ++r) {
            const int inT = Has(bankers.rows[r].bankers, t) ? 1 : 0;
            const int inU = Has(bankers.rows[r].bankers, u) ? 1 : 0;
            // Without repeats a pair such as 33 shows its banker once.
            const int hits = repeats || t != u ? inT + inU : inT;
            wrong += Has(bankers.rows[r].counts, hits) ? 0 : 1;
        }
        return !allowed.Allows(wrong);
    });
}

bool ApplyKillSpan(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table) {
    if (!KillSpanInUse(input))
        return false;
    return MarkFailures(digits, table, [&](int t, int u) {
        return input.kill_spans.test(static_cast<std::size_t>(std::abs(t - u)));
    });
}

bool ApplyKillSum(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table) {
    if (!KillSumInUse(input))
        return false;
    return MarkFailures(digits, table, [&](int t, int u) {
        return input.kill_sums.test(static_cast<std::size_t>(t + u));
    });
}

bool ApplyPositionKill(const TwoStarInput& input, const TwoStarDigits& digits,
                       TwoStarTable& table) {
    if (!PositionKillInUse(input))
        return false;
    const DigitSet& tens = input.position_kill[0];
    const DigitSet& units = input.position_kill[1];
    const AllowedCounts allowed = input.position_kill_tolerance.Allowed();
    return MarkFailures(digits, table, [&](int t, int u) {
        const int hits = (tens.test(static_cast<std::size_t>(t)) ? 1 : 0) +
                         (units.test(static_cast<std::size_t>(u)) ? 1 : 0);
        return !allowed.Allows(hits);
    });
}

bool ApplyCompoundExclusion(const TwoStarInput& input, const TwoStarDigits& digits,
                            TwoStarTable& table) {
    if (!CompoundExclusionInUse(input))
        return false;
    const DigitSet& tens = input.compound_exclusion[0];
    const DigitSet& units = input.compound_exclusion[1];
    return MarkFailures(digits, table, [&](int t, int u) {
        return tens.test(static_cast<std::size_t>(t)) && units.test(static_cast<std::size_t>(u));
    });
}

bool ApplyShapes(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table) {
    if (!ShapesInUse(input))
        return false;
    const std::array<ShapeFamily, 4> families = ShapeFamilies(input.shapes);
    const AllowedCounts allowed = input.shapes_tolerance.Allowed();
    return MarkFailures(digits, table, [&](int t, int u) {
        int hits = 0;
        for (const ShapeFamily& family : families)
            hits += Has(family.chosen, family.index(t, u)) ? 1 : 0;
        return !allowed.Allows(hits);
    });
}

bool ApplySpecialShapes(const TwoStarInput& input, const TwoStarDigits& digits,
                        TwoStarTable& table) {
    if (!SpecialShapesInUse(input))
        return false;
    const std::uint32_t chosen = ChosenCaptions(input.special_shapes, kSpecialShapeCaptions);
    const AllowedCounts allowed = input.special_shapes_tolerance.Allowed();
    return MarkFailures(digits, table, [&](int t, int u) {
        int hits = 0;
        for (std::size_t i = 0; i < kSpecialShapeCaptions.size(); ++i)
            if (Has(chosen, static_cast<int>(i)) && Meets(static_cast<SpecialShape>(i), t, u))
                ++hits;
        return !allowed.Allows(hits);
    });
}

void ApplyKillList(const TwoStarInput& input, TwoStarTable& table) {
    if (ForEachListedNumber(input.kill_list, kKillListHint,
                            [&](int n) { table.at(n, TwoStarTable::kList) = 1; }))
        table.at(TwoStarTable::kNotesRow, TwoStarTable::kList) = 1;
}

void ApplyBaseSet(const TwoStarInput& input, TwoStarTable& table) {
    if (ForEachListedNumber(input.base_set, kBaseSetHint,
                            [&](int n) { table.at(n, TwoStarTable::kBaseSet) = 1; }))
        table.at(TwoStarTable::kNotesRow, TwoStarTable::kBaseSet) = 1;
}

} // namespace sorvanta::two
