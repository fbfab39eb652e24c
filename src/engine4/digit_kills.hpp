#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <bitset>
#include <string_view>

namespace sorvanta::four {

// The number of distinct values among the six absolute differences of a
// candidate's position pairs, 0 included: 1 (1111) to 6 (9814).
int AcValue(const CandidateDigits::Digits& digits);

// The digit sums 0..36 the sum box kills. Sums are matched as two-digit
// texts anywhere in the box after its filter, so "05" kills 5, a lone "5"
// kills nothing and "1620" kills 16 and 20. A box still holding its
// guidance text (it contains "例如") kills nothing.
std::bitset<37> KilledSums(std::string_view text);

// Sum tail, digit sum, span, kill-all digits and AC value kills, sharing
// fail-mark column 3 without a tolerance of their own; in use when any of
// them kills something.
bool DigitKillsInUse(const FourStarInput& input);
bool ApplyDigitKills(const FourStarInput& input, const CandidateDigits& digits, CandidateSet& set);

} // namespace sorvanta::four
