#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

namespace sorvanta::four {

// Up to four banker rows with their come-out counts and one tolerance over
// the rows in use: fail-mark column 4. A row's hits with repeats counted are
// the positions holding one of its digits (digit 3 in 3313 gives 3);
// without, the distinct banker digits present (3313 gives 1).
bool BankerGroupsInUse(const FourStarInput& input); // a row with a digit
bool ApplyBankerGroups(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set);

} // namespace sorvanta::four
