#pragma once

#include "common/allowed_counts.hpp"
#include "engine23/three_star_groups.hpp"
#include "engine23/three_star_input.hpp"

#include <string>
#include <vector>

namespace sorvanta::three {

// What the three-star engine keeps between commands: the table of the last
// run, which group took which column, and its survivors.
struct ThreeStarState {
    ThreeStarTable table;
    // columns[k - 1] is the group that took fail-mark column k.
    std::vector<ThreeStarGroupId> columns;
    std::vector<int> survivors; // ascending

    bool BaseSetInForce() const {
        return table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kBaseSet) == 1;
    }
    bool MustKeepGiven() const {
        return table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kList) == 1;
    }
};

// "开始缩水": fresh table, every group of kThreeStarGroups in order, base
// set, must-keep, tally, survivors.
void RunThreeStarShrink(const ThreeStarInput& input, ThreeStarState& state);

// Its first part: a fresh table and every group in order, each group in use
// taking the next column. The list steps and the tally are the caller's.
void RunThreeStarGroups(const ThreeStarInput& input, ThreeStarState& state);

// Column 0 from the fail marks: the total tolerance first, then the absolute
// base set, then the must-keep list overriding everything.
void ApplyThreeStarTally(ThreeStarTable& table, const RangeText& totalTolerance);

// The rows with column 0 = 0 into survivors.
void ShowThreeStarSurvivors(ThreeStarState& state);

// The numbers as the result box shows them: three-digit texts joined by
// single blanks, no blank at either end. Their count is numbers.size().
std::string ThreeDigitTexts(const std::vector<int>& rows);

// Rows whose column 0 equals `excluded` (0: survivors, 1: excluded), ascending.
std::vector<int> CollectThreeStarRows(const ThreeStarTable& table, int excluded);

} // namespace sorvanta::three
