#pragma once

#include "common/allowed_counts.hpp"

#include <array>
#include <bitset>
#include <set>
#include <string>
#include <string_view>

namespace sorvanta::two {

// Chosen digit buttons of a row, by value (bit d = the button captioned d),
// whatever order the row shows its buttons in.
using DigitSet = std::bitset<10>;
// Chosen sums 0 to 18 of the kill-sum row, by value.
using SumSet = std::bitset<19>;
// Captions of the chosen buttons of a caption group ("大小", "12", "杀对子").
using CaptionSet = std::set<std::string>;

struct BankerRow {
    DigitSet digits;
    DigitSet counts; // come-out counts 0 to 2; higher bits are never read
    bool operator==(const BankerRow&) const = default;
};

struct TwoStarShapes {
    CaptionSet big_small;
    CaptionSet odd_even;
    CaptionSet prime_composite;
    CaptionSet route012;
    bool operator==(const TwoStarShapes&) const = default;
};

// The two-star condition panel as one value: texts as typed, ranges as the
// texts of their boxes, buttons as what is chosen. Field names are the
// scheme file's, so the loader, the panel and the engine speak one language.
struct TwoStarInput {
    std::array<BankerRow, 3> banker_rows{}; // rows 1 to 3 as the panel shows them
    bool banker_count_repeats = false;      // 胆码计重
    RangeText banker_tolerance;             // 胆组容错

    DigitSet kill_spans;
    SumSet kill_sums;

    std::array<DigitSet, 2> position_kill{}; // 十位, 个位
    RangeText position_kill_tolerance;

    std::array<DigitSet, 2> compound_exclusion{}; // 复式排除(十位), 复式排除(个位)

    TwoStarShapes shapes;
    RangeText shapes_tolerance;

    CaptionSet special_shapes;
    RangeText special_shapes_tolerance;

    std::string kill_list; // 杀直选号码 box
    std::string base_set;  // 大底号码 box

    RangeText total_tolerance; // 总容错

    bool operator==(const TwoStarInput&) const = default;
};

// What the two list boxes show before the player types: a box holding its
// hint is a box with no input.
inline constexpr std::string_view kKillListHint = "双击清空";
inline constexpr std::string_view kBaseSetHint = "大底号码，双击清空";

// Button captions of every caption block, in the order the panel lays the
// buttons out. Digit rows run both ways on this panel, so a button's value
// is its caption, never its place in the row.
using DigitCaptions = std::array<std::string_view, 10>;
inline constexpr DigitCaptions kAscendingDigits = {"0", "1", "2", "3", "4",
                                                   "5", "6", "7", "8", "9"};
inline constexpr DigitCaptions kDescendingDigits = {"9", "8", "7", "6", "5",
                                                    "4", "3", "2", "1", "0"};

inline constexpr std::array<DigitCaptions, 3> kBankerDigitCaptions = {
    kAscendingDigits, kDescendingDigits, kDescendingDigits};
inline constexpr std::array<std::array<std::string_view, 3>, 3> kBankerCountCaptions = {{
    {"0", "1", "2"},
    {"2", "1", "0"},
    {"2", "1", "0"},
}};
inline constexpr std::string_view kBankerRepeatsCaption = "胆码计重";

inline constexpr DigitCaptions kKillSpanCaptions = kDescendingDigits;
inline constexpr std::array<std::string_view, 19> kKillSumCaptions = {
    "18", "17", "16", "15", "14", "13", "12", "11", "10", "9",
    "8",  "7",  "6",  "5",  "4",  "3",  "2",  "1",  "0"};
inline constexpr std::array<DigitCaptions, 2> kPositionKillCaptions = {kDescendingDigits,
                                                                       kDescendingDigits};
inline constexpr std::array<DigitCaptions, 2> kCompoundExclusionCaptions = {kAscendingDigits,
                                                                            kAscendingDigits};

// Each shape caption is the class of the tens digit followed by the class of
// the units digit; the order is also the index the engine tabulates by.
inline constexpr std::array<std::string_view, 4> kBigSmallCaptions = {"大大", "大小", "小大",
                                                                      "小小"};
inline constexpr std::array<std::string_view, 4> kOddEvenCaptions = {"单单", "单双", "双单",
                                                                     "双双"};
inline constexpr std::array<std::string_view, 4> kPrimeCompositeCaptions = {"质质", "质合", "合质",
                                                                            "合合"};
inline constexpr std::array<std::string_view, 9> kRoute012Captions = {"00", "01", "02", "10", "11",
                                                                      "12", "20", "21", "22"};

enum class SpecialShape { Pair, Consecutive, Mixed, TensAbove, TensBelow };
// In button order, one per SpecialShape.
inline constexpr std::array<std::string_view, 5> kSpecialShapeCaptions = {
    "杀对子", "杀连号", "杀杂号", "杀十>个", "杀十<个"};

} // namespace sorvanta::two
