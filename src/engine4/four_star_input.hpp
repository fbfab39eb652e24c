#pragma once

#include "common/allowed_counts.hpp"

#include <array>
#include <bitset>
#include <set>
#include <string>

namespace sorvanta::four {

// Digits chosen on a row of digit buttons or check boxes (bit d = digit d).
using DigitSet = std::bitset<10>;
// Captions of the chosen buttons of a group ("1:3", "上山", "2202").
using CaptionSet = std::set<std::string>;

// The texts the panel's boxes start with; they hold no number, so a box
// still showing one is no condition. The T_ding boxes start with the hint
// between two line breaks, and the whole-panel reset puts it back after one.
inline constexpr const char* kDingHint = "\n双击清空\n";
inline constexpr const char* kDingResetHint = "\n双击清空";
inline constexpr const char* kSumHint = "和值输入要保持2位数，例如：00 05 08 16";
inline constexpr const char* kBaseSetHint = "大底号码，双击清空";

struct BankerRow {
    DigitSet digits; // C_danzu, ten a row
    DigitSet counts; // C_danzu_gs, counts 0..4 (bits 0..4 used)
    bool operator==(const BankerRow&) const = default;
};

// The four-star condition panel as one value: texts as typed, ranges as the
// texts of their boxes, buttons as what is chosen. The panel's readInput()
// and the scheme loader both produce it; the engine parses it once per run.
struct FourStarInput {
    // Top conditions (column 1), one page each.
    std::string kill_direct;    // T_ding 0
    std::string junk_compounds; // T_ding 1, one compound a line
    RangeText junk_compounds_tolerance;
    std::string kill_pairs; // T_ding 2
    RangeText kill_pairs_tolerance;
    std::string require_pairs; // T_ding 3
    std::string kill_triples;  // T_ding 4
    RangeText kill_triples_tolerance;
    std::string require_triples; // T_ding 5
    std::string kill_patterns;   // T_ding 6

    // Position kill (column 2): rows 千 百 十 个.
    std::array<DigitSet, 4> position_kill{};
    RangeText position_kill_tolerance;

    // Digit kills (column 3).
    DigitSet kill_sum_tails;
    std::string kill_sums; // T_cs_ip 0
    DigitSet kill_spans;
    DigitSet kill_all_digits;
    DigitSet kill_ac; // digits 1..6

    // Banker groups (column 4).
    std::array<BankerRow, 4> banker_rows{};
    bool banker_count_repeats = false;
    RangeText banker_tolerance;

    // Shape ratios (column 5), special shapes (6), patterns (7..10).
    CaptionSet ratio_big_small;
    CaptionSet ratio_odd_even;
    CaptionSet ratio_prime_composite;
    RangeText ratio_tolerance;
    CaptionSet special_shapes;
    CaptionSet pattern_big_small;
    CaptionSet pattern_odd_even;
    CaptionSet pattern_prime_composite;
    CaptionSet pattern_route012;
    RangeText pattern_tolerance;

    // Run and repeat classes (column 11): chosen C_bi 150..158 captions.
    CaptionSet run_repeat;
    // Smallest and largest digit (column 12): C_max 0..8 and 9..17.
    DigitSet smallest_digits; // digits 0..8
    DigitSet largest_digits;  // digits 1..9

    // Splices (columns 13, 14): the base-number boxes' texts in pattern order
    // (千百**, 千*十*, 千**个, *百十*, *百*个, **十个; 千百十*, 千百*个, 千*十个, *百十个).
    std::array<std::string, 6> two_star_splice{};
    bool two_star_splice_delete = false; // Option_sx 1 on (else 保留)
    RangeText two_star_splice_tolerance; // ucf_rc 5
    std::array<std::string, 4> three_star_splice{};
    bool three_star_splice_delete = false; // Option_sx 3 on
    RangeText three_star_splice_tolerance; // ucf_rc 6

    // Base set (column 50).
    std::string base_set; // T_cs_ip 3

    RangeText total_tolerance; // 总容错, Com_rc 4 and 5

    bool operator==(const FourStarInput&) const = default;
};

} // namespace sorvanta::four
