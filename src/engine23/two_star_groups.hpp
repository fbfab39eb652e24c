#pragma once

#include "engine23/candidate_table.hpp"
#include "engine23/two_star_input.hpp"

#include <array>
#include <string_view>

namespace sorvanta::two {

using TwoStarDigits = star::DigitTable<2>;
using TwoStarTable = star::FailTable<2>;

// The condition groups in the order they run, which is the order in which
// the ones in use take their fail-mark columns.
enum class TwoStarGroupId {
    BankerGroups,
    KillSpan,
    KillSum,
    PositionKill,
    CompoundExclusion,
    Shapes,
    SpecialShapes,
};

inline constexpr std::string_view kKillListName = "杀直选号码";
inline constexpr std::string_view kBaseSetName = "大底";

// Each group has its one rule for being switched on, `...InUse(input)`, and
// `Apply...`, which starts from that rule: a group that is off returns false
// and leaves the table as it found it; one in use takes the next mark
// column, writes 1 for every candidate that fails it and returns true.

// Up to three banker rows, each with its allowed come-out counts (none
// chosen: 1 or 2); the tolerance counts the rows a candidate gets wrong.
bool BankerGroupsInUse(const TwoStarInput& input);
bool ApplyBankerGroups(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Kills the chosen spans |tens - units|.
bool KillSpanInUse(const TwoStarInput& input);
bool ApplyKillSpan(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Kills the chosen sums tens + units; a sum tail is killed by choosing d and d + 10.
bool KillSumInUse(const TwoStarInput& input);
bool ApplyKillSum(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Kills digits per position; the tolerance counts the killed positions, so
// 1 to 1 turns the rows into positional bankers.
bool PositionKillInUse(const TwoStarInput& input);
bool ApplyPositionKill(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Excludes the compound tens row x units row; a compound with an empty row
// is no compound at all.
bool CompoundExclusionInUse(const TwoStarInput& input);
bool ApplyCompoundExclusion(const TwoStarInput& input, const TwoStarDigits& digits,
                            TwoStarTable& table);
// Kills class pairs (big/small, odd/even, prime/composite, 012 route); the
// tolerance counts the families whose chosen captions a candidate shows.
bool ShapesInUse(const TwoStarInput& input);
bool ApplyShapes(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Pair, consecutive (09 and 90 included), mixed, tens above / below units;
// the tolerance counts the switched-on tests a candidate meets.
bool SpecialShapesInUse(const TwoStarInput& input);
bool ApplySpecialShapes(const TwoStarInput& input, const TwoStarDigits& digits,
                        TwoStarTable& table);

using TwoStarInUseFn = bool (*)(const TwoStarInput&);
using TwoStarGroupFn = bool (*)(const TwoStarInput&, const TwoStarDigits&, TwoStarTable&);

struct TwoStarGroup {
    TwoStarGroupId id;
    std::string_view name; // as the panel titles it
    TwoStarInUseFn in_use;
    TwoStarGroupFn apply;
};

// The one ordered table; the kill list and the base set follow it.
inline constexpr std::array<TwoStarGroup, 7> kTwoStarGroups = {{
    {TwoStarGroupId::BankerGroups, "胆组", &BankerGroupsInUse, &ApplyBankerGroups},
    {TwoStarGroupId::KillSpan, "杀跨度", &KillSpanInUse, &ApplyKillSpan},
    {TwoStarGroupId::KillSum, "杀和值", &KillSumInUse, &ApplyKillSum},
    {TwoStarGroupId::PositionKill, "定位杀", &PositionKillInUse, &ApplyPositionKill},
    {TwoStarGroupId::CompoundExclusion, "复式排除", &CompoundExclusionInUse,
     &ApplyCompoundExclusion},
    {TwoStarGroupId::Shapes, "杀形态", &ShapesInUse, &ApplyShapes},
    {TwoStarGroupId::SpecialShapes, "特殊形态", &SpecialShapesInUse, &ApplySpecialShapes},
}};

inline constexpr std::string_view GroupName(TwoStarGroupId id) {
    return kTwoStarGroups[static_cast<std::size_t>(id)].name;
}

// The two lists take no mark column: the kill list writes column 100 and
// the base set column 99, each with its in-use note in the notes row. A box
// without a single two-digit piece leaves its list off.
void ApplyKillList(const TwoStarInput& input, TwoStarTable& table);
void ApplyBaseSet(const TwoStarInput& input, TwoStarTable& table);

} // namespace sorvanta::two
