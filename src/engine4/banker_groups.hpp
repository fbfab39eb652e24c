#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

namespace sorvanta::four {

// How many of a row's banker digits a candidate brings: with repeats counted,
// the positions holding one of them (digit 3 in 3313 gives 3); without, the
// distinct banker digits present (digit 3 in 3313 gives 1).
int BankerHits(const DigitSet& bankers, bool countRepeats, const CandidateDigits::Digits& digits);

// Up to four banker rows with their come-out counts and one tolerance over
// the rows in use: fail-mark column 4.
void ApplyBankerGroups(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set);

} // namespace sorvanta::four
