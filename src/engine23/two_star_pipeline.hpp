#pragma once

#include "engine23/two_star_groups.hpp"
#include "engine23/two_star_input.hpp"

#include <array>
#include <string>
#include <vector>

namespace sorvanta::two {

// What the two-star engine keeps between commands: the table of the last
// run and, for each mark column it used, the group that took it.
struct TwoStarState {
    TwoStarTable table;
    std::vector<TwoStarGroupId> columns; // columns[k - 1] took mark column k
};

// What the window shows after a command: the result box's text and the
// count label. `numbers` are the listed values (for a group list, the group
// written with its digits ascending: 5 for "05").
struct TwoStarResult {
    std::vector<int> numbers;
    std::string text;
    int count = 0;
};

// The digits of 00 to 99, built on first use and never changed.
const TwoStarDigits& TwoStarDigitTable();

// One whole shrink ("开始缩水"): fresh table, every group of kTwoStarGroups,
// kill list, base set, tally; returns the survivors.
TwoStarResult RunTwoStarShrink(const TwoStarInput& input, TwoStarState& state);

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
TwoStarResult ShowTwoStarSurvivors(const TwoStarTable& table);

// "反选": a fresh run, then the numbers it took out. Unlike three-star there
// is nothing to refuse: an empty complement is simply an empty list.
TwoStarResult InvertTwoStar(const TwoStarInput& input, TwoStarState& state);

// "转为组选": a fresh run, then every group of the survivors once (50 and 05
// are the group 05), ascending.
TwoStarResult ConvertTwoStarToGroup(const TwoStarInput& input, TwoStarState& state);

// "清空条件": the input the panel holds after the clear. 胆码计重 keeps its
// tick; every box shows its hint again, which reads as empty here.
TwoStarInput ClearedTwoStarInput(const TwoStarInput& current);

} // namespace sorvanta::two
