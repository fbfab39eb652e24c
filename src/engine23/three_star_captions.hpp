#pragma once

// The captions of the three-star panel, in button order, and the fixed texts
// the engine and the panel share. The panel builds its buttons and lists
// from these tables, the scheme loader checks chosen captions against them,
// and the condition groups read the chosen captions by them. Where on the
// panel a block sits is the panel's business.

#include "engine23/star_text.hpp"
#include "engine23/three_star_input.hpp"

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
// 杀指定和值.
inline constexpr std::array<std::string_view, 28> kSumCaptions = {
    "0",  "1",  "2",  "3",  "4",  "5",  "6",  "7",  "8",  "9",  "10", "11", "12", "13",
    "14", "15", "16", "17", "18", "19", "20", "21", "22", "23", "24", "25", "26", "27"};

// 杀形态, one row per family: the classes of 百 十 个.
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

// 特别排除.
inline constexpr std::array<std::string_view, 10> kSpecialExclusionCaptions = {
    "豹子", "组三", "组六", "不连", "2连", "3连", "上山", "下山", "凹型", "凸型"};

// 排除012路: the routes of 百 十 个, "000" to "222".
inline constexpr std::array<std::string_view, 27> kRouteCaptions = {
    "000", "001", "002", "010", "011", "012", "020", "021", "022",
    "100", "101", "102", "110", "111", "112", "120", "121", "122",
    "200", "201", "202", "210", "211", "212", "220", "221", "222"};

// 至少出胆个数, its three options; ThreeStarInput::bankers_at_least is the
// option's index + 1.
inline constexpr std::array<std::string_view, 3> kBankersAtLeastCaptions = {"1个", "2个", "3个"};

// 位置匹配: the lists of the two positions and of the comparisons, and
// what they show at start and after a clear.
inline constexpr std::array<std::string_view, 3> kPositionLetters = {"百", "十", "个"};
inline constexpr std::array<std::string_view, 6> kComparisons = {"大于",     "小于",     "等于",
                                                                 "大于等于", "小于等于", "不等于"};
inline constexpr std::string_view kDefaultMatchLeft = "百";
inline constexpr std::string_view kDefaultMatchComparison = "大于";
inline constexpr std::string_view kDefaultMatchRight = "个";
// The two 定位杀 容错 lists.
inline constexpr std::array<std::string_view, 4> kPositionKillToleranceItems = {"0", "1", "2", "3"};

// 两码和差 boxes: every box's hint, which reads as no input.
inline constexpr std::string_view kPairSumHint = star::kSeparateWithBlanksHint;
// 算胆: the output box before a suggestion is worked out.
inline constexpr std::string_view kBankersNotWorkedOut = "未计算";

// One block of toggle buttons as the engine sees it: the scheme field it
// feeds (as a JSON path), its captions in button order and the input member
// that holds what is chosen. A digit or sum block holds the captions' values
// (so rows captioned "9" down to "0" need no reversal), a caption block the
// captions themselves. `stats` names the buttons' group in the condition
// statistics; blocks without one are not listed there.
struct ToggleBlock {
    std::string_view field;
    Captions captions;
    DigitSet& (*digits)(ThreeStarInput&) = nullptr;
    SumSet& (*sums)(ThreeStarInput&) = nullptr;
    CaptionSet& (*chosen)(ThreeStarInput&) = nullptr;
    std::string_view stats = {};
};

namespace toggle_detail {
using In = ThreeStarInput;
constexpr ToggleBlock Digits(std::string_view field, Captions captions, DigitSet& (*get)(In&),
                             std::string_view stats = {}) {
    return {field, captions, get, nullptr, nullptr, stats};
}
constexpr ToggleBlock Sums(std::string_view field, Captions captions, SumSet& (*get)(In&),
                           std::string_view stats) {
    return {field, captions, nullptr, get, nullptr, stats};
}
constexpr ToggleBlock Chosen(std::string_view field, Captions captions, CaptionSet& (*get)(In&),
                             std::string_view stats) {
    return {field, captions, nullptr, nullptr, get, stats};
}
// in.m, in.m[i], in.m.n and in.m[i].n as functions of the input.
template <auto M> constexpr auto& Get(In& in) {
    return in.*M;
}
template <auto M, std::size_t I> constexpr auto& At(In& in) {
    return (in.*M)[I];
}
template <auto M, auto N> constexpr auto& Of(In& in) {
    return (in.*M).*N;
}
template <auto M, std::size_t I, auto N> constexpr auto& AtOf(In& in) {
    return (in.*M)[I].*N;
}
} // namespace toggle_detail

// Every toggle block of the three-star panel: the statistics' buttons first,
// in the order the statistics list them.
inline constexpr std::array<ToggleBlock, 32> kThreeStarToggles = [] {
    using namespace toggle_detail;
    using B = BankerRow;
    using P = PositionalBankers;
    const Captions digits = kDigitCaptions;
    const Captions down = kDescendingDigitCaptions;
    const Captions counts = kCountCaptions;
    return std::array<ToggleBlock, 32>{{
        Digits("kill_sum_tails", digits, &Get<&In::kill_sum_tails>, "杀和尾"),
        Digits("kill_spans", digits, &Get<&In::kill_spans>, "杀跨度"),
        Digits("bankers", digits, &Get<&In::bankers>, "胆码"),
        Sums("kill_sums", kSumCaptions, &Get<&In::kill_sums>, "杀指定和值"),
        Digits("position_kill[0]", digits, &At<&In::position_kill, 0>, "定位杀 百位"),
        Digits("position_kill[1]", digits, &At<&In::position_kill, 1>, "定位杀 十位"),
        Digits("position_kill[2]", digits, &At<&In::position_kill, 2>, "定位杀 个位"),
        Digits("exclude_compound[0]", digits, &At<&In::exclude_compound, 0>, "排除复式 百位"),
        Digits("exclude_compound[1]", digits, &At<&In::exclude_compound, 1>, "排除复式 十位"),
        Digits("exclude_compound[2]", digits, &At<&In::exclude_compound, 2>, "排除复式 个位"),
        Chosen("kill_shapes.big_small", kBigSmallShapeCaptions,
               &Of<&In::kill_shapes, &KillShapes::big_small>, "杀形态"),
        Chosen("kill_shapes.odd_even", kOddEvenShapeCaptions,
               &Of<&In::kill_shapes, &KillShapes::odd_even>, "杀形态"),
        Chosen("kill_shapes.prime_composite", kPrimeCompositeShapeCaptions,
               &Of<&In::kill_shapes, &KillShapes::prime_composite>, "杀形态"),
        Digits("keep_counts.big", counts, &Of<&In::keep_counts, &KeepCounts::big>, "保留大号个数"),
        Digits("keep_counts.odd", counts, &Of<&In::keep_counts, &KeepCounts::odd>, "保留奇号个数"),
        Digits("keep_counts.prime", counts, &Of<&In::keep_counts, &KeepCounts::prime>,
               "保留质号个数"),
        Chosen("exclude_routes", kRouteCaptions, &Get<&In::exclude_routes>, "排除012路"),
        Chosen("special_exclusions", kSpecialExclusionCaptions, &Get<&In::special_exclusions>,
               "特别排除"),
        Digits("any_two_sum_tails", down, &Get<&In::any_two_sum_tails>, "任意两码合保留"),
        Digits("any_two_diffs", down, &Get<&In::any_two_diffs>, "任意两码差保留"),
        Digits("banker_rows[0].digits", digits, &AtOf<&In::banker_rows, 0, &B::digits>),
        Digits("banker_rows[1].digits", digits, &AtOf<&In::banker_rows, 1, &B::digits>),
        Digits("banker_rows[2].digits", digits, &AtOf<&In::banker_rows, 2, &B::digits>),
        Digits("banker_rows[3].digits", digits, &AtOf<&In::banker_rows, 3, &B::digits>),
        Digits("banker_rows[0].counts", counts, &AtOf<&In::banker_rows, 0, &B::counts>),
        Digits("banker_rows[1].counts", counts, &AtOf<&In::banker_rows, 1, &B::counts>),
        Digits("banker_rows[2].counts", counts, &AtOf<&In::banker_rows, 2, &B::counts>),
        Digits("banker_rows[3].counts", counts, &AtOf<&In::banker_rows, 3, &B::counts>),
        Digits("positional_bankers.hundreds", down, &Of<&In::positional_bankers, &P::hundreds>),
        Digits("positional_bankers.tens", down, &Of<&In::positional_bankers, &P::tens>),
        Digits("positional_bankers.units", down, &Of<&In::positional_bankers, &P::units>),
        Digits("positional_bankers.counts", kDescendingCountCaptions,
               &Of<&In::positional_bankers, &P::counts>),
    }};
}();

// The toggle block of a field; a field without one is an error, at compile
// time where the lookup is constant.
constexpr const ToggleBlock& ToggleOf(std::string_view field) {
    for (const ToggleBlock& toggle : kThreeStarToggles)
        if (toggle.field == field)
            return toggle;
    throw "no three-star toggle block for this field";
}

} // namespace sorvanta::three
