#pragma once

#include "common/allowed_counts.hpp"
#include "engine23/three_star_groups.hpp"
#include "engine23/three_star_input.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::three {

// The three-star condition groups in pipeline order.
enum class ThreeStarGroupId : std::uint8_t {
    KillDirect,
    KillGroup,
    JunkCompounds,
    KillPairs,
    RequirePairs,
    PositionKillPairs,
    PositionRequirePairs,
    PairSums,
    AnyTwoTailsAndDiffs,
    PositionMatch,
    PositionalBankers,
    BrokenGroups,
    KillSumTails,
    KillSpans,
    Bankers,
    KillSums,
    ExcludeCompound,
    PositionKill,
    BankerGroups,
    KillShapes,
    LargestSmallest,
    KeepCounts,
    ExcludeRoutes,
    SpecialExclusions,
};

using ThreeStarGroupFn = bool (*)(const ThreeStarInput&, ThreeStarMarks&);

struct ThreeStarGroup {
    ThreeStarGroupId id;
    std::string_view name; // as the panel shows it
    ThreeStarGroupFn apply;
};

// The one ordered table the pipeline runs: the order fixes which column
// each active group takes.
inline constexpr std::array<ThreeStarGroup, 24> kThreeStarGroups = {{
    {ThreeStarGroupId::KillDirect, "杀直选号码", &ApplyKillDirect},
    {ThreeStarGroupId::KillGroup, "杀组选号码", &ApplyKillGroup},
    {ThreeStarGroupId::JunkCompounds, "杀垃圾复式", &ApplyJunkCompounds},
    {ThreeStarGroupId::KillPairs, "杀2码组合", &ApplyKillPairs},
    {ThreeStarGroupId::RequirePairs, "必出2码组合", &ApplyRequirePairs},
    {ThreeStarGroupId::PositionKillPairs, "定位杀2码", &ApplyPositionKillPairs},
    {ThreeStarGroupId::PositionRequirePairs, "定位2码", &ApplyPositionRequirePairs},
    {ThreeStarGroupId::PairSums, "两码和差", &ApplyPairSums},
    {ThreeStarGroupId::AnyTwoTailsAndDiffs, "任意两码合差保留", &ApplyAnyTwoTailsAndDiffs},
    {ThreeStarGroupId::PositionMatch, "位置匹配", &ApplyPositionMatch},
    {ThreeStarGroupId::PositionalBankers, "定位胆", &ApplyPositionalBankers},
    {ThreeStarGroupId::BrokenGroups, "断组", &ApplyBrokenGroups},
    {ThreeStarGroupId::KillSumTails, "杀和尾", &ApplyKillSumTails},
    {ThreeStarGroupId::KillSpans, "杀跨度", &ApplyKillSpans},
    {ThreeStarGroupId::Bankers, "胆  码", &ApplyBankers},
    {ThreeStarGroupId::KillSums, "杀指定和值", &ApplyKillSums},
    {ThreeStarGroupId::ExcludeCompound, "排除复式", &ApplyExcludeCompound},
    {ThreeStarGroupId::PositionKill, "定位杀", &ApplyPositionKill},
    {ThreeStarGroupId::BankerGroups, "胆组", &ApplyBankerGroups},
    {ThreeStarGroupId::KillShapes, "杀形态", &ApplyKillShapes},
    {ThreeStarGroupId::LargestSmallest, "最大最小号码", &ApplyLargestSmallest},
    {ThreeStarGroupId::KeepCounts, "保留个数", &ApplyKeepCounts},
    {ThreeStarGroupId::ExcludeRoutes, "排除012路", &ApplyExcludeRoutes},
    {ThreeStarGroupId::SpecialExclusions, "特别排除", &ApplySpecialExclusions},
}};

// The names of the two list steps, for reports such as the scheme backtest.
inline constexpr std::string_view kBaseSetName = "大底";
inline constexpr std::string_view kMustKeepName = "必有直选号";

inline constexpr std::string_view GroupName(ThreeStarGroupId id) {
    return kThreeStarGroups[static_cast<std::size_t>(id)].name;
}

// What the three-star engine keeps between commands: the table of the last
// run, which group took which column, and what the window shows.
struct ThreeStarState {
    ThreeStarTable table;
    // columns[k - 1] is the group that took fail-mark column k.
    std::vector<ThreeStarGroupId> columns;
    std::vector<int> survivors; // ascending
    std::string result_text;    // T_dd 0: three-digit texts joined by single blanks
    int count = 0;              // Lzhushu 0

    // The column a group took in the last run, or 0 when it was inactive.
    int ColumnOf(ThreeStarGroupId id) const;
    bool BaseSetInForce() const {
        return table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kBaseSet) == 1;
    }
    bool MustKeepGiven() const {
        return table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kList) == 1;
    }
};

// Index 0 "开始缩水": fresh table, every group in order, base set, must-keep,
// tally, survivors. The window then also empties T_duijiang 0.
void RunThreeStarShrink(const ThreeStarInput& input, ThreeStarState& state);

// Column 0 from the fail marks: the total tolerance first, then the absolute
// base set, then the must-keep list overriding everything.
void ApplyThreeStarTally(ThreeStarTable& table, const RangeText& totalTolerance);

// The rows with column 0 = 0 into survivors, result_text and count.
void ShowThreeStarSurvivors(ThreeStarState& state);

// The rows' three-digit texts joined by single blanks, no blank at either end.
std::string ThreeDigitTexts(const std::vector<int>& rows);

// Rows whose column 0 equals `excluded` (0: survivors, 1: excluded), ascending.
std::vector<int> CollectThreeStarRows(const ThreeStarTable& table, int excluded);

} // namespace sorvanta::three
