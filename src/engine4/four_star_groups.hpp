#pragma once

// The four-star condition groups as one ordered table: the pipeline runs it,
// the backtest and the statistics read it. Each group has its fail-mark
// column, the caption the panel shows, its one rule for being switched on
// and its Apply, which starts from that rule: a group that is off returns
// false and writes nothing; one in use writes its column and returns true.

#include "engine4/banker_groups.hpp"
#include "engine4/digit_kills.hpp"
#include "engine4/four_star_input.hpp"
#include "engine4/position_kill.hpp"
#include "engine4/runs_and_extremes.hpp"
#include "engine4/shape_patterns.hpp"
#include "engine4/shape_ratios.hpp"
#include "engine4/special_shapes.hpp"
#include "engine4/splices.hpp"
#include "engine4/top_conditions.hpp"

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvanta::four {

enum class FourStarGroupId : std::uint8_t {
    TopConditions,
    PositionKill,
    DigitKills,
    BankerGroups,
    ShapeRatios,
    SpecialShapes,
    ShapePatterns,
    RunRepeat,
    Extremes,
    TwoStarSplice,
    ThreeStarSplice,
};

using FourStarInUseFn = bool (*)(const FourStarInput&);
using FourStarGroupFn = bool (*)(const FourStarInput&, const CandidateDigits&, CandidateSet&);

struct FourStarGroup {
    FourStarGroupId id;
    int column;            // its fail-mark column in CandidateSet
    std::string_view name; // the panel's caption; empty for the top conditions (see GroupName)
    FourStarInUseFn in_use;
    FourStarGroupFn apply;
};

// In the order RunShrinkPipeline applies them. The top conditions share
// column 1 and the four pattern kinds column 7 (after their merge), so each
// is one group, counted once by the total tolerance.
inline constexpr std::array<FourStarGroup, 11> kFourStarGroups = {{
    {FourStarGroupId::TopConditions, 1, "", &TopConditionsGroupInUse, &ApplyTopConditions},
    {FourStarGroupId::PositionKill, 2, "定位杀", &PositionKillInUse, &ApplyPositionKill},
    {FourStarGroupId::DigitKills, 3, "和,跨,胆", &DigitKillsInUse, &ApplyDigitKills},
    {FourStarGroupId::BankerGroups, 4, "胆组", &BankerGroupsInUse, &ApplyBankerGroups},
    {FourStarGroupId::ShapeRatios, 5, "形态比", &ShapeRatiosInUse, &ApplyShapeRatios},
    {FourStarGroupId::SpecialShapes, 6, "杀特殊形态", &SpecialShapesInUse, &ApplySpecialShapes},
    {FourStarGroupId::ShapePatterns, 7, "杀形态", &ShapePatternsInUse, &ApplyShapePatterns},
    {FourStarGroupId::RunRepeat, 11, "杀连号重号", &RunRepeatInUse, &ApplyRunRepeat},
    {FourStarGroupId::Extremes, 12, "最小号/最大号", &ExtremesInUse, &ApplyExtremes},
    {FourStarGroupId::TwoStarSplice, 13, "二星拼接四星", &TwoStarSpliceInUse, &ApplyTwoStarSplice},
    {FourStarGroupId::ThreeStarSplice, 14, "三星拼接四星", &ThreeStarSpliceInUse,
     &ApplyThreeStarSplice},
}};

// The base set's name in reports (it takes no fail-mark column).
inline constexpr std::string_view kBaseSetName = "大底";

inline constexpr const FourStarGroup& GroupOf(FourStarGroupId id) {
    return kFourStarGroups[static_cast<std::size_t>(id)];
}

// The group's name for a report of a run of `input`: the table's caption,
// and for the top conditions the captions of those in use joined by "+"
// ("杀直选号码+杀两码组合"), since their pages have no common caption.
std::string GroupName(FourStarGroupId id, const FourStarInput& input);

} // namespace sorvanta::four
