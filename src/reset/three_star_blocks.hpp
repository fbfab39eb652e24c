#pragma once

// Where each toggle block of the three-star panel sits: its control array
// and first element, by the block's field. The engine's toggle table
// (three::kThreeStarToggles) gives the captions and the input member; the
// panel's builder and bindings and the clear rows here look a block up by
// field, so a block's place is written down once. It lives on the clear
// tables' floor because they read it and the panels sit above them.

#include "engine23/three_star_captions.hpp"

#include <array>
#include <string_view>

namespace sorvanta::ui {

inline constexpr std::string_view kExcludeButtons = "C_3x_sha"; // yellow when chosen
inline constexpr std::string_view kKeepButtons = "C_3x_chu";    // green when chosen

struct ButtonBlock {
    std::string_view field;
    std::string_view array; // kExcludeButtons or kKeepButtons
    int first;
};

// In the order the panel makes the buttons.
inline constexpr std::array<ButtonBlock, 32> kThreeStarBlocks = {{
    {"kill_sum_tails", kExcludeButtons, 0},
    {"kill_spans", kExcludeButtons, 10},
    {"kill_sums", kExcludeButtons, 20},
    {"exclude_compound[0]", kExcludeButtons, 48},
    {"exclude_compound[1]", kExcludeButtons, 58},
    {"exclude_compound[2]", kExcludeButtons, 68},
    {"position_kill[0]", kExcludeButtons, 78},
    {"position_kill[1]", kExcludeButtons, 88},
    {"position_kill[2]", kExcludeButtons, 98},
    {"kill_shapes.big_small", kExcludeButtons, 108},
    {"kill_shapes.odd_even", kExcludeButtons, 116},
    {"kill_shapes.prime_composite", kExcludeButtons, 124},
    {"special_exclusions", kExcludeButtons, 132},
    {"exclude_routes", kExcludeButtons, 142},
    {"bankers", kKeepButtons, 0},
    {"banker_rows[0].digits", kKeepButtons, 10},
    {"banker_rows[1].digits", kKeepButtons, 20},
    {"banker_rows[2].digits", kKeepButtons, 30},
    {"banker_rows[3].digits", kKeepButtons, 40},
    {"banker_rows[0].counts", kKeepButtons, 50},
    {"banker_rows[1].counts", kKeepButtons, 54},
    {"banker_rows[2].counts", kKeepButtons, 58},
    {"banker_rows[3].counts", kKeepButtons, 62},
    {"keep_counts.big", kKeepButtons, 66},
    {"keep_counts.odd", kKeepButtons, 70},
    {"keep_counts.prime", kKeepButtons, 74},
    {"positional_bankers.hundreds", kKeepButtons, 78},
    {"positional_bankers.tens", kKeepButtons, 88},
    {"positional_bankers.units", kKeepButtons, 98},
    {"positional_bankers.counts", kKeepButtons, 108},
    {"any_two_sum_tails", kKeepButtons, 112},
    {"any_two_diffs", kKeepButtons, 122},
}};

// The block of a field; a field without one is an error, at compile time
// where the lookup is constant.
constexpr const ButtonBlock& BlockOf(std::string_view field) {
    for (const ButtonBlock& block : kThreeStarBlocks)
        if (block.field == field)
            return block;
    throw "no three-star button block for this field";
}

// How many buttons the block has: one per caption.
constexpr int SizeOf(const ButtonBlock& block) {
    return static_cast<int>(three::ToggleOf(block.field).captions.size());
}

constexpr int LastOf(const ButtonBlock& block) {
    return block.first + SizeOf(block) - 1;
}

} // namespace sorvanta::ui
