// Groups 4 to 9: two-digit combinations to kill and require,
// positional two-digit kills and musts, two-position sums and differences,
// and the any-two sum-tail and difference keeps.

#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <array>
#include <string>

namespace sorvanta::three {

namespace {

// The pairs of positions, in box order 百十, 百个, 十个.
constexpr std::array<std::array<std::size_t, 2>, 3> kPositionPairs = {{{0, 1}, {0, 2}, {1, 2}}};

// A 10 x 10 table of digit pairs, entry (x, y) at 10 x + y.
using PairTable = std::array<std::uint8_t, 100>;

// Every 2-character piece xy of the box enters (x, y); false when none did.
bool ReadOrderedPairs(std::string_view box, PairTable& table) {
    bool any = false;
    ForEachNumber(detail::BoxText(box), 2, [&](int xy) {
        table[static_cast<std::size_t>(xy)] = 1;
        any = true;
    });
    return any;
}

} // namespace

bool ApplyKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    // Combinations keyed low * 10 + high, so 12 and 21 are one.
    PairTable combinations{};
    bool any = false;
    ForEachNumber(detail::BoxText(input.kill_pairs), 2, [&](int xy) {
        const int x = xy / 10, y = xy % 10;
        combinations[static_cast<std::size_t>(detail::PairIndex(std::min(x, y), std::max(x, y)))] =
            1;
        any = true;
    });
    if (!any)
        return false;
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
    PairTable table{};
    bool any = false;
    ForEachNumber(detail::BoxText(input.require_pairs), 2, [&](int xy) {
        table[static_cast<std::size_t>(xy)] = 1;
        table[static_cast<std::size_t>(xy % 10 * 10 + xy / 10)] = 1;
        any = true;
    });
    if (!any)
        return false;
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
    std::array<PairTable, 3> tables{};
    bool anyActive = false;
    for (std::size_t box = 0; box < 3; ++box)
        anyActive = ReadOrderedPairs(input.position_kill_pairs[box], tables[box]) || anyActive;
    if (!anyActive)
        return false;
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
    std::array<PairTable, 3> tables{};
    bool anyActive = false;
    for (std::size_t box = 0; box < 3; ++box) {
        if (ReadOrderedPairs(input.position_require_pairs[box], tables[box]))
            anyActive = true;
        else
            tables[box].fill(1); // an inactive box imposes nothing
    }
    if (!anyActive)
        return false;
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
    // The values a box lists: its pieces of 1 or 2 characters (0 to 99).
    using Listed = std::array<std::uint8_t, 100>;
    auto read = [](std::string_view box, Listed& listed) {
        bool any = false;
        star::ForEachDigitRun(detail::BoxText(box), [&](std::string_view piece) {
            if (piece.size() <= 2) {
                listed[static_cast<std::size_t>(detail::RunValue(piece))] = 1;
                any = true;
            }
        });
        return any;
    };
    // Per pair of positions, whether its two digits (a, b) fail some active
    // box of that pair: S = a + b, D = |a - b|, T = the last digit of S.
    std::array<std::array<std::uint8_t, 100>, 3> failing{};
    bool anyActive = false;
    const PairSums& boxes = input.pair_sums;
    for (std::size_t p = 0; p < 3; ++p) {
        Listed keepSum{}, excludeSum{}, keepDiff{}, excludeDiff{}, excludeTail{};
        const bool keepSumOn = read(boxes.keep_sum[p], keepSum);
        const bool excludeSumOn = read(boxes.exclude_sum[p], excludeSum);
        const bool keepDiffOn = read(boxes.keep_diff[p], keepDiff);
        const bool excludeDiffOn = read(boxes.exclude_diff[p], excludeDiff);
        const bool excludeTailOn = read(boxes.exclude_sum_tail[p], excludeTail);
        anyActive =
            anyActive || keepSumOn || excludeSumOn || keepDiffOn || excludeDiffOn || excludeTailOn;
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
    if (!anyActive)
        return false;
    const auto& codes = detail::PairCodes();
    const auto& ht = codes[detail::kHundredsTens];
    const auto& hu = codes[detail::kHundredsUnits];
    const auto& tu = codes[detail::kTensUnits];
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] = failing[0][ht[n]] | failing[1][hu[n]] | failing[2][tu[n]];
    return true;
}

bool ApplyAnyTwoTailsAndDiffs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t tails = star::Mask(input.any_two_sum_tails);
    const std::uint16_t diffs = star::Mask(input.any_two_diffs);
    if (tails == 0 && diffs == 0)
        return false;
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
