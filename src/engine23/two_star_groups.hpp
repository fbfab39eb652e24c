#pragma once

#include "engine23/candidate_table.hpp"
#include "engine23/two_star_input.hpp"

#include <array>
#include <string_view>

namespace sorvanta::two {

using TwoStarDigits = star::DigitTable<2>;
using TwoStarTable = star::FailTable<2>;

// The condition groups in the order they run, which is the order in which
// the active ones take their fail-mark columns.
enum class TwoStarGroup {
    BankerGroups,
    KillSpan,
    KillSum,
    PositionKill,
    CompoundExclusion,
    Shapes,
    SpecialShapes,
};
inline constexpr int kTwoStarGroupCount = 7;

// The names a report of a run gives the groups, as the panel titles them.
inline constexpr std::array<std::string_view, kTwoStarGroupCount> kTwoStarGroupNames = {
    "胆组", "杀跨度", "杀和值", "定位杀", "复式排除", "杀形态", "特殊形态"};
inline constexpr std::string_view kKillListName = "杀直选号码";
inline constexpr std::string_view kBaseSetName = "大底";

// Each group reads its part of the input; when it is active it takes the
// next mark column and writes 1 for every candidate that fails it, and
// otherwise it leaves the table as it found it.

// Up to three banker rows, each with its allowed come-out counts (none
// chosen: 1 or 2); the tolerance counts the rows a candidate gets wrong.
void ApplyBankerGroups(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Kills the chosen spans |tens - units|.
void ApplyKillSpan(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Kills the chosen sums tens + units; a sum tail is killed by choosing d and d + 10.
void ApplyKillSum(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Kills digits per position; the tolerance counts the killed positions, so
// 1 to 1 turns the rows into positional bankers.
void ApplyPositionKill(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Excludes the compound tens row x units row; a compound with an empty row
// is no compound at all.
void ApplyCompoundExclusion(const TwoStarInput& input, const TwoStarDigits& digits,
                            TwoStarTable& table);
// Kills class pairs (big/small, odd/even, prime/composite, 012 route); the
// tolerance counts the families whose chosen captions a candidate shows.
void ApplyShapes(const TwoStarInput& input, const TwoStarDigits& digits, TwoStarTable& table);
// Pair, consecutive (09 and 90 included), mixed, tens above / below units;
// the tolerance counts the switched-on tests a candidate meets.
void ApplySpecialShapes(const TwoStarInput& input, const TwoStarDigits& digits,
                        TwoStarTable& table);

// The two lists take no mark column: the kill list writes column 100 and
// the base set column 99, each with its in-use note in the notes row. A box
// without a single two-digit piece leaves its list off.
void ApplyKillList(const TwoStarInput& input, TwoStarTable& table);
void ApplyBaseSet(const TwoStarInput& input, TwoStarTable& table);

} // namespace sorvanta::two
