#pragma once

// The 24 three-star condition groups (Parts 3.2 and 3.3) and the two list
// steps after them. A group reads its part of the input, parses every box
// once into lookup tables and, when it is active, writes 1 into `marks` for
// every candidate that fails it. It returns whether it is active; only an
// active group takes a fail-mark column (the pipeline does that). `marks`
// is all 0 on entry; an inactive group leaves it so.

#include "engine23/candidate_table.hpp"
#include "engine23/star_types.hpp"
#include "engine23/three_star_input.hpp"

namespace sorvanta::three {

using ThreeStarTable = star::FailTable<3>;
using ThreeStarMarks = star::GroupMarks<3>;
inline constexpr int kThreeStarCandidates = star::DigitTable<3>::kCandidates;

// The digits of 000..999, built once: 百 at position 0, 十 at 1, 个 at 2.
const star::DigitTable<3>& ThreeStarDigits();

// three_star_lists.cpp
bool ApplyKillDirect(const ThreeStarInput& input, ThreeStarMarks& marks);    // 1 杀直选号码
bool ApplyKillGroup(const ThreeStarInput& input, ThreeStarMarks& marks);     // 2 杀组选号码
bool ApplyJunkCompounds(const ThreeStarInput& input, ThreeStarMarks& marks); // 3 杀垃圾复式

// three_star_pairs.cpp
bool ApplyKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks);            // 4
bool ApplyRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks);         // 5
bool ApplyPositionKillPairs(const ThreeStarInput& input, ThreeStarMarks& marks);    // 6
bool ApplyPositionRequirePairs(const ThreeStarInput& input, ThreeStarMarks& marks); // 7
bool ApplyPairSums(const ThreeStarInput& input, ThreeStarMarks& marks);             // 8
bool ApplyAnyTwoTailsAndDiffs(const ThreeStarInput& input, ThreeStarMarks& marks);  // 9

// three_star_digits.cpp
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
bool ApplyKillShapes(const ThreeStarInput& input, ThreeStarMarks& marks);        // 20
bool ApplyLargestSmallest(const ThreeStarInput& input, ThreeStarMarks& marks);   // 21
bool ApplyKeepCounts(const ThreeStarInput& input, ThreeStarMarks& marks);        // 22
bool ApplyExcludeRoutes(const ThreeStarInput& input, ThreeStarMarks& marks);     // 23
bool ApplySpecialExclusions(const ThreeStarInput& input, ThreeStarMarks& marks); // 24

// three_star_base.cpp: columns 99 and 100 with their notes in row 1000.
void ApplyThreeStarBaseSet(const ThreeStarInput& input, ThreeStarTable& table);
void ApplyMustKeep(const ThreeStarInput& input, ThreeStarTable& table);

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
bool Holds(const MatchRule& rule, const std::array<std::uint8_t, 3>& digits);

// A candidate's 特别排除 classes.
bool IsThreeRun(int h, int t, int u); // {i, i+1, i+2}, {8, 9, 0} or {9, 0, 1}
bool IsTwoRun(int h, int t, int u);   // two digits differ by 1 or are 9 and 0

} // namespace sorvanta::three
