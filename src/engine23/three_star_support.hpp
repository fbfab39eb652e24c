#pragma once

// What the three-star groups share; not part of the engine's public surface.

#include "common/allowed_counts.hpp"
#include "common/number_list.hpp"
#include "engine23/three_star_captions.hpp"
#include "engine23/three_star_groups.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace sorvanta::three::detail {

// Every figure of a candidate a group asks for, worked out once per program.
struct CandidateInfo {
    std::array<std::uint8_t, 3> digits; // 百 十 个
    std::uint8_t sum;
    std::uint8_t span;
    std::uint8_t largest;
    std::uint8_t smallest;
    std::uint16_t present;             // bit d: digit d occurs
    std::uint8_t distinct;             // 1 豹子, 2 组三, 3 组六
    std::uint8_t pairCount;            // distinct two-digit combinations it contains
    std::array<std::uint8_t, 3> pairs; // their keys 10 * low + high
    std::uint8_t bigSmall;             // index of its shape in kBigSmallShapeCaptions
    std::uint8_t oddEven;              // ... kOddEvenShapeCaptions
    std::uint8_t primeComposite;       // ... kPrimeCompositeShapeCaptions
    std::uint8_t route;                // index of its route shape in kRouteCaptions
    std::uint8_t bigCount;
    std::uint8_t oddCount;
    std::uint8_t primeCount;
    // Bit i: the candidate is of the kind caption i of kSpecialExclusionCaptions
    // names (one group type, one run class, at most one hill, at most one peak).
    std::uint16_t specialKinds;
    std::uint8_t kind; // its digits as a multiset: 0 .. kKinds - 1
};

const std::array<CandidateInfo, kThreeStarCandidates>& Candidates();

// For each pair of positions (left, right), entry 3 * left + right: every
// candidate's digits at those positions as 10 * digit(left) + digit(right).
using PairCodeColumn = std::array<std::uint8_t, kThreeStarCandidates>;
const std::array<PairCodeColumn, 9>& PairCodes();
inline constexpr std::size_t kHundredsTens = 1;  // 3 * 0 + 1
inline constexpr std::size_t kHundredsUnits = 2; // 3 * 0 + 2
inline constexpr std::size_t kTensUnits = 5;     // 3 * 1 + 2

// Three digits taken as a multiset: 220 kinds. A condition that does not
// look at positions gives every candidate of a kind the same verdict, so it
// is worked out once per kind.
inline constexpr int kKinds = 220;
// One candidate of each kind (its digits ascending).
const std::array<std::uint16_t, kKinds>& KindRepresentatives();

template <typename Fails> void MarkByKind(ThreeStarMarks& marks, Fails fails) {
    const auto& candidates = Candidates();
    const auto& representatives = KindRepresentatives();
    std::array<std::uint8_t, kKinds> verdict{};
    for (std::size_t k = 0; k < verdict.size(); ++k)
        verdict[k] = fails(candidates[representatives[k]]) ? 1 : 0;
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] = verdict[candidates[n].kind];
}

// The number of set bits of a digit mask (0 .. 1023), without relying on a
// popcount instruction.
inline constexpr std::array<std::uint8_t, 1024> kBitCount = [] {
    std::array<std::uint8_t, 1024> counts{};
    for (std::size_t m = 1; m < counts.size(); ++m)
        counts[m] = static_cast<std::uint8_t>(counts[m >> 1] + (m & 1u));
    return counts;
}();

// Bit i set when caption i of `captions` is chosen; chosen texts the block
// does not offer are no button and count for nothing.
std::uint32_t ChosenButtons(const CaptionSet& chosen, Captions captions);

// The allowed counts as a bit mask over 0..31 (counts above 31 never occur
// in a three-star group; they stay in the table for the tolerance's sake).
inline std::uint32_t AllowedMask(const AllowedCounts& allowed) {
    std::uint32_t mask = 0;
    for (int i = 0; i < 32; ++i)
        if (allowed.Allows(i))
            mask |= 1u << i;
    return mask;
}

// A box's text as the conditions read it: a box showing only its hint holds
// no input.
inline std::string_view BoxText(std::string_view text) {
    return star::WithoutHint(text, {star::kDoubleClickHint, star::kBaseSetHint, kPairSumHint});
}

// The value of a run of ASCII digits.
inline int RunValue(std::string_view digits) {
    int v = 0;
    for (char c : digits)
        v = v * 10 + (c - '0');
    return v;
}

// Whether the digit filter leaves a piece of exactly `width` digits in the
// box: the test ForEachNumber's callers are switched on by. Reads only as
// far as it must.
inline bool AnyNumberIn(std::string_view box, std::size_t width) {
    std::size_t run = 0;
    for (char c : box) {
        if (c >= '0' && c <= '9') {
            ++run;
            continue;
        }
        if (run == width)
            return true;
        run = 0;
    }
    return run == width;
}

// Writes 1 at every number that is an ordering of a three-digit piece of
// the box: its group (GroupOf) is a listed piece's group.
template <typename Cell> void MarkGroupsIn(std::string_view box, Cell* cells) {
    std::array<std::uint8_t, kThreeStarCandidates> listed{};
    ForEachNumber(box, 3, [&](int n) { listed[static_cast<std::size_t>(GroupOf(n, 3))] = 1; });
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (listed[static_cast<std::size_t>(GroupOf(n, 3))] != 0)
            cells[n] = 1;
}

inline int PairIndex(int a, int b) {
    return a * 10 + b;
}

// Digit rows whose buttons stand for counts 0..3: only those bits are buttons.
inline std::uint16_t CountMask(const DigitSet& counts) {
    return static_cast<std::uint16_t>(star::Mask(counts) & 0xFu);
}

} // namespace sorvanta::three::detail
