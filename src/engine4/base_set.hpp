#pragma once

#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

namespace sorvanta::four {

// The base set (大底): column 50 marks its members and BaseSetActive says
// whether the box held any four-digit number at all; other pieces are
// skipped, so a box of only wrong-length pieces leaves the step off.
void ApplyBaseSet(const FourStarInput& input, FourStarState& state);

} // namespace sorvanta::four
