#pragma once

// Where each toggle block of the three-star panel sits: its control array
// and first element, the 清 code that greys it and, for a block standing in
// a frame of its own, that frame. The engine's toggle table
// (three::kThreeStarToggles) gives the captions and the input member; the
// panel's builder and bindings and the clear rows look a block up here, so
// a block's place is written down once. It lives on the clear tables' floor
// because they read it and the panels sit above them.

#include "engine23/three_star_captions.hpp"

#include <array>
#include <string_view>

namespace sorvanta::ui {

inline constexpr std::string_view kExcludeButtons = "C_3x_sha"; // yellow when chosen
inline constexpr std::string_view kKeepButtons = "C_3x_chu";    // green when chosen

// A block in a frame of its own on the main page. Such frames follow one
// another at the foot of the page's right column, `columns` buttons to a
// row, the block's 清 after its last button.
struct OwnFrame {
    std::string_view title;
    int help; // the frame's help topic
    int columns;
};

inline constexpr OwnFrame kRoutesFrame = {"排除012路", 30, 9};

struct ButtonBlock {
    std::string_view field;
    std::string_view array; // kExcludeButtons or kKeepButtons
    int first;
    int clear; // the C_3x_cls code whose 清 greys the block
    const OwnFrame* frame = nullptr;
};

// In the order the panel makes the buttons.
inline constexpr std::array<ButtonBlock, 32> kThreeStarBlocks = {{
    {"kill_sum_tails", kExcludeButtons, 0, 0},
    {"kill_spans", kExcludeButtons, 10, 1},
    {"kill_sums", kExcludeButtons, 20, 3},
    {"exclude_compound[0]", kExcludeButtons, 48, 4},
    {"exclude_compound[1]", kExcludeButtons, 58, 5},
    {"exclude_compound[2]", kExcludeButtons, 68, 6},
    {"position_kill[0]", kExcludeButtons, 78, 7},
    {"position_kill[1]", kExcludeButtons, 88, 8},
    {"position_kill[2]", kExcludeButtons, 98, 9},
    {"kill_shapes.big_small", kExcludeButtons, 108, 14},
    {"kill_shapes.odd_even", kExcludeButtons, 116, 14},
    {"kill_shapes.prime_composite", kExcludeButtons, 124, 14},
    {"special_exclusions", kExcludeButtons, 132, 16},
    {"exclude_routes", kExcludeButtons, 142, 17, &kRoutesFrame},
    {"bankers", kKeepButtons, 0, 2},
    {"banker_rows[0].digits", kKeepButtons, 10, 10},
    {"banker_rows[1].digits", kKeepButtons, 20, 11},
    {"banker_rows[2].digits", kKeepButtons, 30, 12},
    {"banker_rows[3].digits", kKeepButtons, 40, 13},
    {"banker_rows[0].counts", kKeepButtons, 50, 10},
    {"banker_rows[1].counts", kKeepButtons, 54, 11},
    {"banker_rows[2].counts", kKeepButtons, 58, 12},
    {"banker_rows[3].counts", kKeepButtons, 62, 13},
    {"keep_counts.big", kKeepButtons, 66, 15},
    {"keep_counts.odd", kKeepButtons, 70, 15},
    {"keep_counts.prime", kKeepButtons, 74, 15},
    {"positional_bankers.hundreds", kKeepButtons, 78, 21},
    {"positional_bankers.tens", kKeepButtons, 88, 21},
    {"positional_bankers.units", kKeepButtons, 98, 21},
    {"positional_bankers.counts", kKeepButtons, 108, 21},
    {"any_two_sum_tails", kKeepButtons, 112, 22},
    {"any_two_diffs", kKeepButtons, 122, 22},
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
