#pragma once

#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <functional>
#include <string>
#include <vector>

namespace sorvanta::four {

// Called at the pipeline's fixed points with the share of the track the
// progress bar should fill (0.001, 0.5, 0.8); the window repaints there.
using ProgressFn = std::function<void(double)>;

// One whole shrink: fresh table, every condition group in its fixed order,
// base set, tally. The survivor text is left to the output step.
void RunShrinkPipeline(const FourStarInput& input, FourStarState& state,
                       const ProgressFn& progress = {});

// Its first part: a fresh table and every group of kFourStarGroups in order
// (reporting 0.5 before the shape patterns). The base set and the tally are
// the caller's.
void RunFourStarGroups(const FourStarInput& input, FourStarState& state,
                       const ProgressFn& progress = {});

// Column 0 from the fail marks, the base set and the total tolerance bounds.
void ApplyTally(FourStarState& state, const RangeText& totalTolerance);

// Rows whose excluded mark equals `excluded` (0: survivors, 1: the
// complement the invert command lists), ascending.
std::vector<int> CollectRows(const CandidateSet& set, int excluded);

// The rows' four-digit texts joined by single blanks, no blank at either end.
std::string JoinNumbers(const std::vector<int>& rows);

// The result list's entries: four numbers a line, each followed by a blank.
std::vector<std::string> FourPerLine(const std::vector<int>& rows);

} // namespace sorvanta::four
