// Groups 4 to 9 (Part 3.2): two-digit combinations to kill and require,
// positional two-digit kills and musts, two-position sums and differences,
// and the any-two sum-tail and difference keeps.

#include "common/number_list.hpp"
#include "common/text.hpp"
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
    ForEachNumber(DigitsOnly(detail::BoxText(box)), 2, [&](int xy) {
        table[static_cast<std::size_t>(xy)] = 1;
        any = true;
    });
    return any;
}

int Clamped(std::uint32_t count) {
    return count > AllowedCounts::kSize ? AllowedCounts::kSize : static_cast<int>(count);
}

} // namespace

bool ApplyKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    // Combinations keyed low * 10 + high, so 12 and 21 are one.
    PairTable combinations{};
    bool any = false;
    ForEachNumber(DigitsOnly(detail::BoxText(input.kill_pairs)), 2, [&](int xy) {
        const int x = xy / 10, y = xy % 10;
        combinations[static_cast<std::size_t>(detail::PairIndex(std::min(x, y), std::max(x, y)))] =
            1;
        any = true;
    });
    if (!any)
        return false;
    const std::uint32_t allowed = detail::AllowedMask(input.kill_pairs_tolerance.Allowed());
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        int hits = 0;
        for (int k = 0; k < c.pairCount; ++k)
            hits += combinations[c.pairs[static_cast<std::size_t>(k)]];
        if (!star::Has(allowed, hits))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    PairTable table{};
    bool any = false;
    ForEachNumber(DigitsOnly(detail::BoxText(input.require_pairs)), 2, [&](int xy) {
        table[static_cast<std::size_t>(xy)] = 1;
        table[static_cast<std::size_t>(xy % 10 * 10 + xy / 10)] = 1;
        any = true;
    });
    if (!any)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        const bool contains = table[static_cast<std::size_t>(detail::PairIndex(d[0], d[1]))] |
                              table[static_cast<std::size_t>(detail::PairIndex(d[0], d[2]))] |
                              table[static_cast<std::size_t>(detail::PairIndex(d[1], d[2]))];
        if (!contains)
            marks[static_cast<std::size_t>(n)] = 1;
    }
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
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        int hits = 0;
        for (std::size_t box = 0; box < 3; ++box)
            hits += tables[box][static_cast<std::size_t>(
                detail::PairIndex(d[kPositionPairs[box][0]], d[kPositionPairs[box][1]]))];
        if (!star::Has(allowed, Clamped(static_cast<std::uint32_t>(hits))))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyPositionRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    std::array<PairTable, 3> tables{};
    std::array<bool, 3> active{};
    bool anyActive = false;
    for (std::size_t box = 0; box < 3; ++box) {
        active[box] = ReadOrderedPairs(input.position_require_pairs[box], tables[box]);
        anyActive = anyActive || active[box];
    }
    if (!anyActive)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        for (std::size_t box = 0; box < 3; ++box) {
            if (active[box] && tables[box][static_cast<std::size_t>(detail::PairIndex(
                                   d[kPositionPairs[box][0]], d[kPositionPairs[box][1]]))] == 0) {
                marks[static_cast<std::size_t>(n)] = 1;
                break;
            }
        }
    }
    return true;
}

bool ApplyPairSums(const ThreeStarInput& input, ThreeStarMarks& marks) {
    // Per pair, which sums S (0..18), differences D (0..9) and sum tails T
    // (0..9) fail some active box of that pair.
    std::array<std::uint32_t, 3> failingSums{};
    std::array<std::uint16_t, 3> failingDiffs{};
    std::array<std::uint16_t, 3> failingTails{};
    bool anyActive = false;
    // The values a box lists: pieces of 1 or 2 characters; 0 when inactive.
    auto listed = [](std::string_view box) {
        std::uint64_t values[2] = {0, 0}; // bits 0..99
        ForEachPiece(DigitsOnly(detail::BoxText(box)), [&](std::string_view piece) {
            if (piece.size() > 2)
                return;
            int v = 0;
            for (char c : piece)
                v = v * 10 + (c - '0');
            values[v / 64] |= std::uint64_t{1} << (v % 64);
        });
        return std::array<std::uint64_t, 2>{values[0], values[1]};
    };
    auto lists = [](const std::array<std::uint64_t, 2>& values, int v) {
        return ((values[static_cast<std::size_t>(v / 64)] >> (v % 64)) & 1u) != 0;
    };
    const PairSums& boxes = input.pair_sums;
    for (std::size_t p = 0; p < 3; ++p) {
        const auto keepSum = listed(boxes.keep_sum[p]);
        const auto excludeSum = listed(boxes.exclude_sum[p]);
        const auto keepDiff = listed(boxes.keep_diff[p]);
        const auto excludeDiff = listed(boxes.exclude_diff[p]);
        const auto excludeTail = listed(boxes.exclude_sum_tail[p]);
        auto active = [](const std::array<std::uint64_t, 2>& v) {
            return (v[0] | v[1]) != 0;
        };
        for (int s = 0; s <= 18; ++s) {
            const bool fails = (active(keepSum) && !lists(keepSum, s)) ||
                               (active(excludeSum) && lists(excludeSum, s));
            if (fails)
                failingSums[p] |= 1u << s;
        }
        for (int v = 0; v <= 9; ++v) {
            const bool diffFails = (active(keepDiff) && !lists(keepDiff, v)) ||
                                   (active(excludeDiff) && lists(excludeDiff, v));
            if (diffFails)
                failingDiffs[p] = static_cast<std::uint16_t>(failingDiffs[p] | (1u << v));
            if (active(excludeTail) && lists(excludeTail, v))
                failingTails[p] = static_cast<std::uint16_t>(failingTails[p] | (1u << v));
        }
        anyActive = anyActive || active(keepSum) || active(excludeSum) || active(keepDiff) ||
                    active(excludeDiff) || active(excludeTail);
    }
    if (!anyActive)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        for (std::size_t p = 0; p < 3; ++p) {
            const int a = d[kPositionPairs[p][0]], b = d[kPositionPairs[p][1]];
            const int s = a + b;
            const int diff = a > b ? a - b : b - a;
            if (star::Has(failingSums[p], s) || star::Has(failingDiffs[p], diff) ||
                star::Has(failingTails[p], s % 10)) {
                marks[static_cast<std::size_t>(n)] = 1;
                break;
            }
        }
    }
    return true;
}

bool ApplyAnyTwoTailsAndDiffs(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t tails = star::Mask(input.any_two_sum_tails);
    const std::uint16_t diffs = star::Mask(input.any_two_diffs);
    if (tails == 0 && diffs == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        std::uint16_t ownTails = 0;
        std::uint16_t ownDiffs = 0;
        for (const auto& pair : kPositionPairs) {
            const int a = d[pair[0]], b = d[pair[1]];
            ownTails = static_cast<std::uint16_t>(ownTails | (1u << ((a + b) % 10)));
            ownDiffs = static_cast<std::uint16_t>(ownDiffs | (1u << (a > b ? a - b : b - a)));
        }
        if ((tails != 0 && (ownTails & tails) == 0) || (diffs != 0 && (ownDiffs & diffs) == 0))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

} // namespace sorvanta::three
