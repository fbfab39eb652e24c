#pragma once

#include "engine23/two_star_groups.hpp"
#include "engine23/two_star_input.hpp"

#include <array>
#include <vector>

namespace sorvanta::two {

// What the two-star engine keeps between commands: the table of the last
// run and, for each mark column it used, the group that took it.
struct TwoStarState {
    TwoStarTable table;
    std::vector<TwoStarGroupId> columns; // columns[k - 1] took mark column k
};

// The digits of 00 to 99, built on first use and never changed.
const TwoStarDigits& TwoStarDigitTable();

// The commands return the numbers they list, ascending; a group is written
// with its digits ascending (5 for "05"). The text and count the window
// shows are made from them.

// One whole shrink ("开始缩水"): fresh table, every group of kTwoStarGroups,
// kill list, base set, tally; returns the survivors.
std::vector<int> RunTwoStarShrink(const TwoStarInput& input, TwoStarState& state);

// Its first part: a fresh table and every group in order, each group in use
// taking the next column. The lists and the tally are the caller's.
void RunTwoStarGroups(const TwoStarInput& input, TwoStarState& state);

// Column 0 from the marks and the total tolerance. The base set and the
// kill list stand outside the tolerance: a candidate outside the base set
// or on the kill list is out whatever its count says, and nothing brings it
// back.
void ApplyTwoStarTally(const RangeText& totalTolerance, TwoStarTable& table);

// Rows 0 to 99 whose column 0 holds `excluded` (0: survivors, 1: the
// numbers the run took out), ascending.
std::vector<int> TwoStarRows(const TwoStarTable& table, int excluded);

// The survivors of the table's last tally.
std::vector<int> ShowTwoStarSurvivors(const TwoStarTable& table);

// "反选": a fresh run, then the numbers it took out. Unlike three-star there
// is nothing to refuse: an empty complement is simply an empty list.
std::vector<int> InvertTwoStar(const TwoStarInput& input, TwoStarState& state);

// "转为组选": a fresh run, then every group of the survivors once (50 and 05
// are the group 05), ascending.
std::vector<int> ConvertTwoStarToGroup(const TwoStarInput& input, TwoStarState& state);

// "清空条件": the input the panel holds after the clear. 胆码计重 keeps its
// tick; every box shows its hint again, which reads as empty here.
TwoStarInput ClearedTwoStarInput(const TwoStarInput& current);

} // namespace sorvanta::two
