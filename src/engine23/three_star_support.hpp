#pragma once

// What the three-star groups share; not part of the engine's public surface.

#include "common/allowed_counts.hpp"
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
};

const std::array<CandidateInfo, kThreeStarCandidates>& Candidates();

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

inline int PairIndex(int a, int b) {
    return a * 10 + b;
}

// Digit rows whose buttons stand for counts 0..3: only those bits are buttons.
inline std::uint16_t CountMask(const DigitSet& counts) {
    return static_cast<std::uint16_t>(star::Mask(counts) & 0xFu);
}

} // namespace sorvanta::three::detail
