#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

namespace sorvanta::four {

// Digits killed per position (千 百 十 个) with one tolerance over the
// positions: fail-mark column 2.
bool PositionKillInUse(const FourStarInput& input); // a digit killed somewhere
bool ApplyPositionKill(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set);

} // namespace sorvanta::four
