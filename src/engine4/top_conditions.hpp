#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <string>
#include <string_view>

namespace sorvanta::four {

// The positional-pattern box's filter: anything but digits, "*" and blanks
// becomes a blank, double blanks are replaced five passes in a row, trimmed.
std::string NormalisePatternText(std::string_view text);

// The seven text conditions of the top panel, in their order: kill direct
// numbers, kill junk compounds, kill and require two-digit combinations,
// kill and require three-digit combinations, kill positional patterns.
// They share fail-mark column 1.
void ApplyTopConditions(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set);

} // namespace sorvanta::four
