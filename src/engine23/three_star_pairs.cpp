// Groups 4 to 9: two-digit combinations to kill and require,
// positional two-digit kills and musts, two-position sums and differences,
// and the any-two sum-tail and difference keeps.

#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <algorithm>
#include <array>
#include <string>

namespace sorvanta::three {

namespace {

// The pairs of positions, in box order 百十, 百个, 十个.
constexpr std::array<std::array<std::size_t, 2>, 3> kPositionPairs = {{{0, 1}, {0, 2}, {1, 2}}};

// A 10 x 10 table of digit pairs, entry (x, y) at 10 x + y.
using PairTable = std::array<std::uint8_t, 100>;

// Every 2-character piece xy of the box enters (x, y).
void ReadOrderedPairs(std::string_view box, PairTable& table) {
    ForEachNumber(detail::BoxText(box), 2,
                  [&](int xy) { table[static_cast<std::size_t>(xy)] = 1; });
}

// A box of the pairs pages is in use when it holds a two-digit piece.
bool PairBoxInUse(std::string_view box) {
    return detail::AnyNumberIn(detail::BoxText(box), 2);
}

bool AnyPairBoxInUse(const std::array<std::string, 3>& boxes) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [](const std::string& box) { return PairBoxInUse(box); });
}

// A 两码和差 box lists its pieces of one or two digits (values 0 to 99).
template <typename Fn> void ForEachListedValue(std::string_view box, Fn&& fn) {
    star::ForEachDigitRun(detail::BoxText(box), [&](std::string_view piece) {
        if (piece.size() <= 2)
            fn(detail::RunValue(piece));
    });
}

bool PairSumBoxInUse(std::string_view box) {
    bool any = false;
    ForEachListedValue(box, [&](int) { any = true; });
    return any;
}

} // namespace

bool KillPairsInUse(const ThreeStarInput& input) {
    return PairBoxInUse(input.kill_pairs);
}

bool RequirePairsInUse(const ThreeStarInput& input) {
    return PairBoxInUse(input.require_pairs);
}

bool PositionKillPairsInUse(const ThreeStarInput& input) {
    return AnyPairBoxInUse(input.position_kill_pairs);
}

bool PositionRequirePairsInUse(const ThreeStarInput& input) {
    return AnyPairBoxInUse(input.position_require_pairs);
}

bool PairSumsInUse(const ThreeStarInput& input) {
    const PairSums& boxes = input.pair_sums;
    for (const auto* row : {&boxes.keep_sum, &boxes.exclude_sum, &boxes.keep_diff,
                            &boxes.exclude_diff, &boxes.exclude_sum_tail})
        for (const std::string& box : *row)
            if (PairSumBoxInUse(box))
                return true;
    return false;
}

bool AnyTwoTailsAndDiffsInUse(const ThreeStarInput& input) {
    return input.any_two_sum_tails.any() || input.any_two_diffs.any();
}

bool ApplyKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillPairsInUse(input))
        return false;
    // Combinations keyed low * 10 + high, so 12 and 21 are one.
    PairTable combinations{};
    ForEachNumber(detail::BoxText(input.kill_pairs), 2, [&](int xy) {
        const int x = xy / 10, y = xy % 10;
        combinations[static_cast<std::size_t>(detail::PairIndex(std::min(x, y), std::max(x, y)))] =
            1;
    });
    const std::uint32_t allowed = detail::AllowedMask(input.kill_pairs_tolerance.Allowed());
    detail::MarkByKind(marks, [&](const detail::CandidateInfo& c) {
        int hits = 0;
        for (int k = 0; k < c.pairCount; ++k)
            hits += combinations[c.pairs[static_cast<std::size_t>(k)]];
        return !star::Has(allowed, hits);
    });
    return true;
}

bool ApplyRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!RequirePairsInUse(input))
        return false;
    PairTable table{};
    ForEachNumber(detail::BoxText(input.require_pairs), 2, [&](int xy) {
        table[static_cast<std::size_t>(xy)] = 1;
        table[static_cast<std::size_t>(xy % 10 * 10 + xy / 10)] = 1;
    });
    // The table holds both orderings, so positions do not matter.
    detail::MarkByKind(marks, [&](const detail::CandidateInfo& c) {
        const auto& d = c.digits;
        return (table[static_cast<std::size_t>(detail::PairIndex(d[0], d[1]))] |
                table[static_cast<std::size_t>(detail::PairIndex(d[0], d[2]))] |
                table[static_cast<std::size_t>(detail::PairIndex(d[1], d[2]))]) == 0;
    });
    return true;
}

bool ApplyPositionKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!PositionKillPairsInUse(input))
        return false;
    std::array<PairTable, 3> tables{};
    for (std::size_t box = 0; box < 3; ++box)
        ReadOrderedPairs(input.position_kill_pairs[box], tables[box]);
    // An inactive box's table is empty, so it never adds a hit.
    const std::uint32_t allowed =
        detail::AllowedMask(input.position_kill_pairs_tolerance.Allowed());
    std::array<std::uint8_t, 4> refused{}; // by hits 0..3
    for (std::size_t hits = 0; hits < refused.size(); ++hits)
        refused[hits] = star::Has(allowed, static_cast<int>(hits)) ? 0 : 1;
    const auto& codes = detail::PairCodes();
    const auto& ht = codes[detail::kHundredsTens];
    const auto& hu = codes[detail::kHundredsUnits];
    const auto& tu = codes[detail::kTensUnits];
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] = refused[tables[0][ht[n]] + tables[1][hu[n]] + tables[2][tu[n]]];
    return true;
}

bool ApplyPositionRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!PositionRequirePairsInUse(input))
        return false;
    std::array<PairTable, 3> tables{};
    for (std::size_t box = 0; box < 3; ++box) {
        if (PairBoxInUse(input.position_require_pairs[box]))
            ReadOrderedPairs(input.position_require_pairs[box], tables[box]);
        else
            tables[box].fill(1); // an inactive box imposes nothing
    }
    const auto& codes = detail::PairCodes();
    const auto& ht = codes[detail::kHundredsTens];
    const auto& hu = codes[detail::kHundredsUnits];
    const auto& tu = codes[detail::kTensUnits];
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] = static_cast<std::uint8_t>(
            (tables[0][ht[n]] & tables[1][hu[n]] & tables[2][tu[n]]) ^ 1u);
    return true;
}

bool ApplyPairSums(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!PairSumsInUse(input))
        return false;
    using Listed = std::array<std::uint8_t, 100>;
    auto read = [](std::string_view box, Listed& listed) {
        bool any = false;
        ForEachListedValue(box, [&](int value) {
            listed[static_cast<std::size_t>(value)] = 1;
            any = true;
        });
        return any;
    };
    // Per pair of positions, whether its two digits (a, b) fail some active
    // box of that pair: S = a + b, D = |a - b|, T = the last digit of S.
    std::array<std::array<std::uint8_t, 100>, 3> failing{};
    const PairSums& boxes = input.pair_sums;
    for (std::size_t p = 0; p < 3; ++p) {
        Listed keepSum{}, excludeSum{}, keepDiff{}, excludeDiff{}, excludeTail{};
        const bool keepSumOn = read(boxes.keep_sum[p], keepSum);
        const bool excludeSumOn = read(boxes.exclude_sum[p], excludeSum);
        const bool keepDiffOn = read(boxes.keep_diff[p], keepDiff);
        const bool excludeDiffOn = read(boxes.exclude_diff[p], excludeDiff);
        const bool excludeTailOn = read(boxes.exclude_sum_tail[p], excludeTail);
        if (!(keepSumOn || excludeSumOn || keepDiffOn || excludeDiffOn || excludeTailOn))
            continue;
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b) {
                const auto s = static_cast<std::size_t>(a + b);
                const auto d = static_cast<std::size_t>(a > b ? a - b : b - a);
                const bool fails =
                    (keepSumOn && keepSum[s] == 0) || (excludeSumOn && excludeSum[s] != 0) ||
                    (keepDiffOn && keepDiff[d] == 0) || (excludeDiffOn && excludeDiff[d] != 0) ||
                    (excludeTailOn && excludeTail[s % 10] != 0);
                failing[p][static_cast<std::size_t>(detail::PairIndex(a, b))] = fails ? 1 : 0;
            }
    }
    const auto& codes = detail::PairCodes();
    const auto& ht = codes[detail::kHundredsTens];
    const auto& hu = codes[detail::kHundredsUnits];
    const auto& tu = codes[detail::kTensUnits];
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] = failing[0][ht[n]] | failing[1][hu[n]] | failing[2][tu[n]];
    return true;
}

bool ApplyAnyTwoTailsAndDiffs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!AnyTwoTailsAndDiffsInUse(input))
        return false;
    const std::uint16_t tails = star::Mask(input.any_two_sum_tails);
    const std::uint16_t diffs = star::Mask(input.any_two_diffs);
    // Every two of the three digits: positions do not matter.
    detail::MarkByKind(marks, [&](const detail::CandidateInfo& c) {
        std::uint16_t ownTails = 0;
        std::uint16_t ownDiffs = 0;
        for (const auto& pair : kPositionPairs) {
            const int a = c.digits[pair[0]], b = c.digits[pair[1]];
            ownTails = static_cast<std::uint16_t>(ownTails | (1u << ((a + b) % 10)));
            ownDiffs = static_cast<std::uint16_t>(ownDiffs | (1u << (a > b ? a - b : b - a)));
        }
        return (tails != 0 && (ownTails & tails) == 0) || (diffs != 0 && (ownDiffs & diffs) == 0);
    });
    return true;
}

} // namespace sorvanta::three
