#pragma once

// The 24 three-star condition groups (Parts 3.2 and 3.3), the one ordered
// table the pipeline, the tally's columns, the backtest and the statistics
// walk, and the two list steps after them.
//
// Each group has two functions. `...InUse(input)` is its one rule for being
// switched on. `Apply...(input, marks)` starts from that rule: for a group
// that is off it returns false and leaves `marks` (all 0 on entry) alone;
// otherwise it writes 1 for every candidate that fails the group and returns
// true, and the pipeline gives the group the next fail-mark column.

#include "engine23/candidate_table.hpp"
#include "engine23/star_types.hpp"
#include "engine23/three_star_input.hpp"

#include <array>
#include <cstdint>
#include <string_view>

namespace sorvanta::three {

using ThreeStarTable = star::FailTable<3>;
using ThreeStarMarks = star::GroupMarks<3>;
inline constexpr int kThreeStarCandidates = star::DigitTable<3>::kCandidates;

// The digits of 000..999, built once: 百 at position 0, 十 at 1, 个 at 2.
const star::DigitTable<3>& ThreeStarDigits();

// three_star_lists.cpp
bool KillDirectInUse(const ThreeStarInput& input);
bool KillGroupInUse(const ThreeStarInput& input);
bool JunkCompoundsInUse(const ThreeStarInput& input);
bool ApplyKillDirect(const ThreeStarInput& input, ThreeStarMarks& marks);    // 1 杀直选号码
bool ApplyKillGroup(const ThreeStarInput& input, ThreeStarMarks& marks);     // 2 杀组选号码
bool ApplyJunkCompounds(const ThreeStarInput& input, ThreeStarMarks& marks); // 3 杀垃圾复式

// three_star_pairs.cpp
bool KillPairsInUse(const ThreeStarInput& input);
bool RequirePairsInUse(const ThreeStarInput& input);
bool PositionKillPairsInUse(const ThreeStarInput& input);
bool PositionRequirePairsInUse(const ThreeStarInput& input);
bool PairSumsInUse(const ThreeStarInput& input);
bool AnyTwoTailsAndDiffsInUse(const ThreeStarInput& input);
bool ApplyKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks);            // 4
bool ApplyRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks);         // 5
bool ApplyPositionKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks);    // 6
bool ApplyPositionRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks); // 7
bool ApplyPairSums(const ThreeStarInput& input, ThreeStarMarks& marks);             // 8
bool ApplyAnyTwoTailsAndDiffs(const ThreeStarInput& input, ThreeStarMarks& marks);  // 9

// three_star_digits.cpp
bool PositionMatchInUse(const ThreeStarInput& input);
bool PositionalBankersInUse(const ThreeStarInput& input);
bool BrokenGroupsInUse(const ThreeStarInput& input);
bool KillSumTailsInUse(const ThreeStarInput& input);
bool KillSpansInUse(const ThreeStarInput& input);
bool BankersInUse(const ThreeStarInput& input);
bool KillSumsInUse(const ThreeStarInput& input);
bool ExcludeCompoundInUse(const ThreeStarInput& input);
bool PositionKillInUse(const ThreeStarInput& input);
bool BankerGroupsInUse(const ThreeStarInput& input);
bool ApplyPositionMatch(const ThreeStarInput& input, ThreeStarMarks& marks);     // 10
bool ApplyPositionalBankers(const ThreeStarInput& input, ThreeStarMarks& marks); // 11
bool ApplyBrokenGroups(const ThreeStarInput& input, ThreeStarMarks& marks);      // 12
bool ApplyKillSumTails(const ThreeStarInput& input, ThreeStarMarks& marks);      // 13
bool ApplyKillSpans(const ThreeStarInput& input, ThreeStarMarks& marks);         // 14
bool ApplyBankers(const ThreeStarInput& input, ThreeStarMarks& marks);           // 15
bool ApplyKillSums(const ThreeStarInput& input, ThreeStarMarks& marks);          // 16
bool ApplyExcludeCompound(const ThreeStarInput& input, ThreeStarMarks& marks);   // 17
bool ApplyPositionKill(const ThreeStarInput& input, ThreeStarMarks& marks);      // 18
bool ApplyBankerGroups(const ThreeStarInput& input, ThreeStarMarks& marks);      // 19

// three_star_shapes.cpp
bool KillShapesInUse(const ThreeStarInput& input);
bool LargestSmallestInUse(const ThreeStarInput& input);
bool KeepCountsInUse(const ThreeStarInput& input);
bool ExcludeRoutesInUse(const ThreeStarInput& input);
bool SpecialExclusionsInUse(const ThreeStarInput& input);
bool ApplyKillShapes(const ThreeStarInput& input, ThreeStarMarks& marks);        // 20
bool ApplyLargestSmallest(const ThreeStarInput& input, ThreeStarMarks& marks);   // 21
bool ApplyKeepCounts(const ThreeStarInput& input, ThreeStarMarks& marks);        // 22
bool ApplyExcludeRoutes(const ThreeStarInput& input, ThreeStarMarks& marks);     // 23
bool ApplySpecialExclusions(const ThreeStarInput& input, ThreeStarMarks& marks); // 24

// three_star_base.cpp: columns 99 and 100 with their notes in row 1000.
void ApplyThreeStarBaseSet(const ThreeStarInput& input, ThreeStarTable& table);
void ApplyMustKeep(const ThreeStarInput& input, ThreeStarTable& table);

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

using ThreeStarInUseFn = bool (*)(const ThreeStarInput&);
using ThreeStarGroupFn = bool (*)(const ThreeStarInput&, ThreeStarMarks&);

struct ThreeStarGroup {
    ThreeStarGroupId id;
    std::string_view name; // as the panel shows it
    ThreeStarInUseFn in_use;
    ThreeStarGroupFn apply;
};

// The one ordered table: the order fixes which column each group in use
// takes.
inline constexpr std::array<ThreeStarGroup, 24> kThreeStarGroups = {{
    {ThreeStarGroupId::KillDirect, "杀直选号码", &KillDirectInUse, &ApplyKillDirect},
    {ThreeStarGroupId::KillGroup, "杀组选号码", &KillGroupInUse, &ApplyKillGroup},
    {ThreeStarGroupId::JunkCompounds, "杀垃圾复式", &JunkCompoundsInUse, &ApplyJunkCompounds},
    {ThreeStarGroupId::KillPairs, "杀2码组合", &KillPairsInUse, &ApplyKillPairs},
    {ThreeStarGroupId::RequirePairs, "必出2码组合", &RequirePairsInUse, &ApplyRequirePairs},
    {ThreeStarGroupId::PositionKillPairs, "定位杀2码", &PositionKillPairsInUse,
     &ApplyPositionKillPairs},
    {ThreeStarGroupId::PositionRequirePairs, "定位2码", &PositionRequirePairsInUse,
     &ApplyPositionRequirePairs},
    {ThreeStarGroupId::PairSums, "两码和差", &PairSumsInUse, &ApplyPairSums},
    {ThreeStarGroupId::AnyTwoTailsAndDiffs, "任意两码合差保留", &AnyTwoTailsAndDiffsInUse,
     &ApplyAnyTwoTailsAndDiffs},
    {ThreeStarGroupId::PositionMatch, "位置匹配", &PositionMatchInUse, &ApplyPositionMatch},
    {ThreeStarGroupId::PositionalBankers, "定位胆", &PositionalBankersInUse,
     &ApplyPositionalBankers},
    {ThreeStarGroupId::BrokenGroups, "断组", &BrokenGroupsInUse, &ApplyBrokenGroups},
    {ThreeStarGroupId::KillSumTails, "杀和尾", &KillSumTailsInUse, &ApplyKillSumTails},
    {ThreeStarGroupId::KillSpans, "杀跨度", &KillSpansInUse, &ApplyKillSpans},
    {ThreeStarGroupId::Bankers, "胆  码", &BankersInUse, &ApplyBankers},
    {ThreeStarGroupId::KillSums, "杀指定和值", &KillSumsInUse, &ApplyKillSums},
    {ThreeStarGroupId::ExcludeCompound, "排除复式", &ExcludeCompoundInUse, &ApplyExcludeCompound},
    {ThreeStarGroupId::PositionKill, "定位杀", &PositionKillInUse, &ApplyPositionKill},
    {ThreeStarGroupId::BankerGroups, "胆组", &BankerGroupsInUse, &ApplyBankerGroups},
    {ThreeStarGroupId::KillShapes, "杀形态", &KillShapesInUse, &ApplyKillShapes},
    {ThreeStarGroupId::LargestSmallest, "最大最小号码", &LargestSmallestInUse,
     &ApplyLargestSmallest},
    {ThreeStarGroupId::KeepCounts, "保留个数", &KeepCountsInUse, &ApplyKeepCounts},
    {ThreeStarGroupId::ExcludeRoutes, "排除012路", &ExcludeRoutesInUse, &ApplyExcludeRoutes},
    {ThreeStarGroupId::SpecialExclusions, "特别排除", &SpecialExclusionsInUse,
     &ApplySpecialExclusions},
}};

// The names of the two list steps, for reports such as the scheme backtest.
inline constexpr std::string_view kBaseSetName = "大底";
inline constexpr std::string_view kMustKeepName = "必有直选号";

inline constexpr std::string_view GroupName(ThreeStarGroupId id) {
    return kThreeStarGroups[static_cast<std::size_t>(id)].name;
}

// One parsed position-match rule (位置匹配): positions 0 百, 1 十, 2 个.
enum class Comparison { Greater, Less, Equal, GreaterOrEqual, LessOrEqual, NotEqual, Never };
struct MatchRule {
    int left = -1;
    Comparison comparison = Comparison::Never;
    int right = -1;
};
// The first character gives the left position, the last the right, and the
// rule without any 百 十 个 the comparison; anything else never holds.
MatchRule ParseMatchRule(std::string_view rule);

// A candidate's 特别排除 classes.
bool IsThreeRun(int h, int t, int u); // {i, i+1, i+2}, {8, 9, 0} or {9, 0, 1}
bool IsTwoRun(int h, int t, int u);   // two digits differ by 1 or are 9 and 0

} // namespace sorvanta::three
