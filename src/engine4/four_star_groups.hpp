#pragma once

// The four-star condition groups as a report names them: one entry per
// fail-mark column in pipeline order, with the caption the panel shows, and
// whether a run of an input switches the group on.

#include "engine4/four_star_input.hpp"

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

struct FourStarGroup {
    FourStarGroupId id;
    int column;            // its fail-mark column in CandidateSet
    std::string_view name; // the panel's caption; empty for the top conditions (see GroupName)
};

// In the order RunShrinkPipeline applies them. The top conditions share
// column 1 and the four pattern kinds column 7 (after their merge), so each
// is one group, counted once by the total tolerance.
inline constexpr std::array<FourStarGroup, 11> kFourStarGroups = {{
    {FourStarGroupId::TopConditions, 1, ""},
    {FourStarGroupId::PositionKill, 2, "定位杀"},
    {FourStarGroupId::DigitKills, 3, "和,跨,胆"},
    {FourStarGroupId::BankerGroups, 4, "胆组"},
    {FourStarGroupId::ShapeRatios, 5, "形态比"},
    {FourStarGroupId::SpecialShapes, 6, "杀特殊形态"},
    {FourStarGroupId::ShapePatterns, 7, "杀形态"},
    {FourStarGroupId::RunRepeat, 11, "杀连号重号"},
    {FourStarGroupId::Extremes, 12, "最小号/最大号"},
    {FourStarGroupId::TwoStarSplice, 13, "二星拼接四星"},
    {FourStarGroupId::ThreeStarSplice, 14, "三星拼接四星"},
}};

// The base set's name in reports (it takes no fail-mark column).
inline constexpr std::string_view kBaseSetName = "大底";

inline constexpr const FourStarGroup& GroupOf(FourStarGroupId id) {
    return kFourStarGroups[static_cast<std::size_t>(id)];
}

// Whether a run of `input` switches the group on, by the group's own rule
// for being off (nothing chosen, no usable entry).
bool GroupInUse(FourStarGroupId id, const FourStarInput& input);

// The group's name for a report of a run of `input`: the table's caption,
// and for the top conditions the captions of those in use joined by "+"
// ("杀直选号码+杀两码组合"), since their pages have no common caption.
std::string GroupName(FourStarGroupId id, const FourStarInput& input);

} // namespace sorvanta::four
