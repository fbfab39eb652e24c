#pragma once

// Value types the two- and three-star inputs and condition groups share.

#include "engine23/candidate_table.hpp"

#include <array>
#include <bitset>
#include <cstdint>
#include <set>
#include <string>

namespace sorvanta::star {

// Digits chosen on a row of digit buttons (bit d = the button whose caption
// is d, wherever the row puts it). Count rows use bits 0..3 (0..2 two-star).
using DigitSet = std::bitset<10>;
// Captions of the chosen buttons of a caption block ("大小大", "豹子", "012").
// A caption the block does not offer stands for no button and is ignored.
using CaptionSet = std::set<std::string>;

// One banker-group row (胆组): its digit buttons and its count buttons.
struct BankerRow {
    DigitSet digits;
    DigitSet counts;
    bool operator==(const BankerRow&) const = default;
};

// One condition group's verdicts for one run: entry n is 1 when candidate n
// fails the group. The pipeline copies them into the column the group takes.
template <int Width> using GroupMarks = std::array<std::uint8_t, DigitTable<Width>::kCandidates>;

inline std::uint16_t Mask(const DigitSet& digits) {
    return static_cast<std::uint16_t>(digits.to_ulong());
}
constexpr bool Has(std::uint32_t mask, int bit) {
    return ((mask >> bit) & 1u) != 0;
}

// The banker rows that choose bankers, in order, as masks: a row's bankers
// and the hit counts it allows (`whenNone` when it ticks no count of
// `countButtons`). Counts of a row without bankers are no condition.
template <std::size_t N> struct BankerMasks {
    struct Row {
        std::uint16_t bankers;
        std::uint16_t counts;
    };
    std::array<Row, N> rows{};
    std::size_t size = 0;

    template <class BankerRows>
    BankerMasks(const BankerRows& banker_rows, std::uint16_t countButtons, std::uint16_t whenNone) {
        for (const auto& row : banker_rows) {
            if (row.digits.none())
                continue;
            const auto counts = static_cast<std::uint16_t>(Mask(row.counts) & countButtons);
            rows[size++] = {Mask(row.digits), counts != 0 ? counts : whenNone};
        }
    }
};

} // namespace sorvanta::star
