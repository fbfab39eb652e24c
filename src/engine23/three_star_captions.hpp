#pragma once

// The captions of the three-star panel, in button (element) order, and the
// fixed texts the engine and the panel share. The panel builds its buttons
// and lists from these tables, the scheme loader checks chosen captions
// against them, and the condition groups read the chosen captions by them.

#include "engine23/star_text.hpp"

#include <array>
#include <span>
#include <string_view>

namespace sorvanta::three {

using Captions = std::span<const std::string_view>;

// Digit buttons "0" to "9" (杀和尾, 杀跨度, 胆  码, 胆组 rows, 排除复式, 定位杀).
inline constexpr std::array<std::string_view, 10> kDigitCaptions = {"0", "1", "2", "3", "4",
                                                                    "5", "6", "7", "8", "9"};
// Digit buttons "9" down to "0" (定位胆 rows, 任意两码合保留, 任意两码差保留).
inline constexpr std::array<std::string_view, 10> kDescendingDigitCaptions = {
    "9", "8", "7", "6", "5", "4", "3", "2", "1", "0"};
// Count buttons "0" to "3" (胆码开出个数, 保留大号/奇号/质号个数).
inline constexpr std::array<std::string_view, 4> kCountCaptions = {"0", "1", "2", "3"};
// Count buttons "3" down to "0" (定位胆 出几个).
inline constexpr std::array<std::string_view, 4> kDescendingCountCaptions = {"3", "2", "1", "0"};
// 杀指定和值, C_3x_sha 20..47.
inline constexpr std::array<std::string_view, 28> kSumCaptions = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13",
    "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27"};

// 杀形态, C_3x_sha 108..115, 116..123, 124..131: the classes of 百 十 个.
inline constexpr std::array<std::string_view, 8> kBigSmallShapeCaptions = {
    "大大大", "大大小", "大小大", "大小小", "小小小", "小小大", "小大小", "小大大"};
inline constexpr std::array<std::string_view, 8> kOddEvenShapeCaptions = {
    "奇奇奇", "奇奇偶", "奇偶奇", "奇偶偶", "偶偶偶", "偶偶奇", "偶奇偶", "偶奇奇"};
inline constexpr std::array<std::string_view, 8> kPrimeCompositeShapeCaptions = {
    "质质质", "质质合", "质合质", "质合合", "合合合", "合合质", "合质合", "合质质"};
// The per-digit class tables the shapes are spelt from (digit 0 first).
inline constexpr std::array<std::string_view, 10> kBigSmallOfDigit = {"小", "小", "小", "小", "小",
                                                                      "大", "大", "大", "大", "大"};
inline constexpr std::array<std::string_view, 10> kOddEvenOfDigit = {"偶", "奇", "偶", "奇", "偶",
                                                                     "奇", "偶", "奇", "偶", "奇"};
inline constexpr std::array<std::string_view, 10> kPrimeCompositeOfDigit = {
    "合", "质", "质", "质", "合", "质", "合", "质", "合", "合"};

// 特别排除, C_3x_sha 132..141.
inline constexpr std::array<std::string_view, 10> kSpecialExclusionCaptions = {
    "豹子", "组三", "组六", "不连", "2连", "3连", "上山", "下山", "凹型", "凸型"};

// 排除012路, C_3x_sha 142..168: the routes of 百 十 个, "000" to "222".
inline constexpr std::array<std::string_view, 27> kRouteCaptions = {
    "000", "001", "002", "010", "011", "012", "020", "021", "022",
    "100", "101", "102", "110", "111", "112", "120", "121", "122",
    "200", "201", "202", "210", "211", "212", "220", "221", "222"};

// 至少出胆个数, Op_3x_danma_chu 0..2; ThreeStarInput::bankers_at_least is the
// option's index + 1.
inline constexpr std::array<std::string_view, 3> kBankersAtLeastCaptions = {"1个", "2个", "3个"};

// 位置匹配: the lists Cb_rc 2 and 4 (positions) and Cb_rc 3 (comparisons), and
// what they show at start and after a clear.
inline constexpr std::array<std::string_view, 3> kPositionLetters = {"百", "十", "个"};
inline constexpr std::array<std::string_view, 6> kComparisons = {"大于",     "小于",     "等于",
                                                                 "大于等于", "小于等于", "不等于"};
inline constexpr std::string_view kDefaultMatchLeft = "百";
inline constexpr std::string_view kDefaultMatchComparison = "大于";
inline constexpr std::string_view kDefaultMatchRight = "个";
// 定位杀 容错 lists Cb_rc 0 and 1.
inline constexpr std::array<std::string_view, 4> kPositionKillToleranceItems = {"0", "1", "2", "3"};

// The page tabs C_3x_ding 0..10 of the three-star panel, in element order.
inline constexpr std::array<std::string_view, 11> kThreeStarPageCaptions = {
    "三星主界面", "杀垃圾复式", "杀2码组合", "必出2码组合", "交集工具", "定位杀2码",
    "定位2码",    "其它",       "位置匹配",  "定位胆",      "断组"};

// 两码和差 boxes: every T_lm_he box's Tag, which reads as no input.
inline constexpr std::string_view kPairSumHint = star::kSeparateWithBlanksHint;
// 算胆: the output box T_3x_ip 6 before a suggestion is worked out.
inline constexpr std::string_view kBankersNotWorkedOut = "未计算";

// One block of toggle buttons: the scheme field it feeds (as a JSON path),
// its control array, its first element and its captions in element order.
struct ButtonBlock {
    std::string_view field;
    std::string_view array; // "C_3x_sha" (yellow when chosen) or "C_3x_chu" (green)
    int first;
    Captions captions;
};

inline constexpr std::string_view kExcludeButtons = "C_3x_sha";
inline constexpr std::string_view kKeepButtons = "C_3x_chu";

// Every button block of the three-star panel.
inline constexpr std::array<ButtonBlock, 32> kThreeStarButtonBlocks = {{
    {"kill_sum_tails", kExcludeButtons, 0, kDigitCaptions},
    {"kill_spans", kExcludeButtons, 10, kDigitCaptions},
    {"kill_sums", kExcludeButtons, 20, kSumCaptions},
    {"exclude_compound[0]", kExcludeButtons, 48, kDigitCaptions},
    {"exclude_compound[1]", kExcludeButtons, 58, kDigitCaptions},
    {"exclude_compound[2]", kExcludeButtons, 68, kDigitCaptions},
    {"position_kill[0]", kExcludeButtons, 78, kDigitCaptions},
    {"position_kill[1]", kExcludeButtons, 88, kDigitCaptions},
    {"position_kill[2]", kExcludeButtons, 98, kDigitCaptions},
    {"kill_shapes.big_small", kExcludeButtons, 108, kBigSmallShapeCaptions},
    {"kill_shapes.odd_even", kExcludeButtons, 116, kOddEvenShapeCaptions},
    {"kill_shapes.prime_composite", kExcludeButtons, 124, kPrimeCompositeShapeCaptions},
    {"special_exclusions", kExcludeButtons, 132, kSpecialExclusionCaptions},
    {"exclude_routes", kExcludeButtons, 142, kRouteCaptions},
    {"bankers", kKeepButtons, 0, kDigitCaptions},
    {"banker_rows[0].digits", kKeepButtons, 10, kDigitCaptions},
    {"banker_rows[1].digits", kKeepButtons, 20, kDigitCaptions},
    {"banker_rows[2].digits", kKeepButtons, 30, kDigitCaptions},
    {"banker_rows[3].digits", kKeepButtons, 40, kDigitCaptions},
    {"banker_rows[0].counts", kKeepButtons, 50, kCountCaptions},
    {"banker_rows[1].counts", kKeepButtons, 54, kCountCaptions},
    {"banker_rows[2].counts", kKeepButtons, 58, kCountCaptions},
    {"banker_rows[3].counts", kKeepButtons, 62, kCountCaptions},
    {"keep_counts.big", kKeepButtons, 66, kCountCaptions},
    {"keep_counts.odd", kKeepButtons, 70, kCountCaptions},
    {"keep_counts.prime", kKeepButtons, 74, kCountCaptions},
    {"positional_bankers.hundreds", kKeepButtons, 78, kDescendingDigitCaptions},
    {"positional_bankers.tens", kKeepButtons, 88, kDescendingDigitCaptions},
    {"positional_bankers.units", kKeepButtons, 98, kDescendingDigitCaptions},
    {"positional_bankers.counts", kKeepButtons, 108, kDescendingCountCaptions},
    {"any_two_sum_tails", kKeepButtons, 112, kDescendingDigitCaptions},
    {"any_two_diffs", kKeepButtons, 122, kDescendingDigitCaptions},
}};

} // namespace sorvanta::three
