#pragma once

#include "common/allowed_counts.hpp"
#include "engine23/star_types.hpp"

#include <array>
#include <bitset>
#include <string>
#include <vector>

namespace sorvanta::three {

using star::BankerRow;
using star::CaptionSet;
using star::DigitSet;

// Chosen 杀指定和值 buttons: bit s = the button captioned s (0..27).
using SumSet = std::bitset<28>;

// The 两码和差 boxes, five rows of three; in every row the
// boxes are the pairs 百十, 百个, 十个 in this order.
struct PairSums {
    std::array<std::string, 3> keep_sum{};         // 两码和保留
    std::array<std::string, 3> exclude_sum{};      // 两码和排除
    std::array<std::string, 3> keep_diff{};        // 两码差保留
    std::array<std::string, 3> exclude_diff{};     // 两码差排除
    std::array<std::string, 3> exclude_sum_tail{}; // 两码合排除
    bool operator==(const PairSums&) const = default;
};

// 定位胆: a digit row per position and the 出几个 count buttons (0..3).
struct PositionalBankers {
    DigitSet hundreds;
    DigitSet tens;
    DigitSet units;
    DigitSet counts; // bits 0..3
    bool operator==(const PositionalBankers&) const = default;
};

// 杀形态: the chosen captions of each family.
struct KillShapes {
    CaptionSet big_small;
    CaptionSet odd_even;
    CaptionSet prime_composite;
    bool operator==(const KillShapes&) const = default;
};

// 保留大号/奇号/质号个数: the chosen counts (bits 0..3) of each family.
struct KeepCounts {
    DigitSet big;
    DigitSet odd;
    DigitSet prime;
    bool operator==(const KeepCounts&) const = default;
};

// The three-star condition panel as one value: texts as typed, ranges as the
// texts of their boxes, buttons as what is chosen. Field names are the scheme
// names of mode "three"; the panel's readInput() and the scheme loader both
// produce it, and the engine parses it once per run. A default value is the
// panel with every condition off.
struct ThreeStarInput {
    // Number lists and two-digit combinations.
    std::string kill_direct;            // 杀直选号码
    std::string kill_group;             // 杀组选号码
    std::string junk_compounds;         // 杀垃圾复式, one 百*十*个 compound a line
    RangeText junk_compounds_tolerance; // its 容错
    std::string kill_pairs;             // 杀2码组合
    RangeText kill_pairs_tolerance;     // its 容错
    std::string require_pairs;          // 必出2码组合
    std::array<std::string, 3> position_kill_pairs{};    // 【杀】百十/百个/十个
    RangeText position_kill_pairs_tolerance;             // their 容错
    std::array<std::string, 3> position_require_pairs{}; // 【定】百十/百个/十个
    PairSums pair_sums;                                  // 两码和差
    DigitSet any_two_sum_tails;                          // 任意两码合保留
    DigitSet any_two_diffs;                              // 任意两码差保留

    // Digit panels, shapes and lists.
    std::vector<std::string> position_match; // 位置匹配 rules, e.g. "百大于个"
    PositionalBankers positional_bankers;    // 定位胆
    std::string broken_groups;               // 断组, one rule a line
    DigitSet kill_sum_tails;                 // 杀和尾
    DigitSet kill_spans;                     // 杀跨度
    DigitSet bankers;                        // 胆  码
    // 至少出胆个数: 1, 2 or 3 for "1个", "2个", "3个" (one
    // option is always on, "1个" at start). Any other value stands for
    // no option on, which allows no count.
    int bankers_at_least = 1;
    SumSet kill_sums;                           // 杀指定和值
    std::array<DigitSet, 3> exclude_compound{}; // 排除复式 百 十 个
    std::array<DigitSet, 3> position_kill{};    // 定位杀 百 十 个
    RangeText position_kill_tolerance;          // its 容错 lists
    std::array<BankerRow, 4> banker_rows{};     // 胆组
    bool banker_count_repeats = false;          // 胆码计重
    RangeText banker_tolerance;                 // 胆组容错
    KillShapes kill_shapes;                     // 杀形态
    RangeText kill_shapes_tolerance;            // its 容错
    std::string largest_digits;                 // 最大号码
    std::string smallest_digits;                // 最小号码
    KeepCounts keep_counts;                     // 保留个数
    CaptionSet exclude_routes;                  // 排除012路
    CaptionSet special_exclusions;              // 特别排除

    std::string base_set;        // 大底号码
    bool base_set_group = false; // 直选 (false) / 组选 (true)
    std::string must_keep;       // 必有直选号

    RangeText total_tolerance; // 总容错

    bool operator==(const ThreeStarInput&) const = default;
};

} // namespace sorvanta::three
