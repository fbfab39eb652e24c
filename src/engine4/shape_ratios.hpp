#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <array>
#include <string_view>

namespace sorvanta::four {

// The ratio buttons of each kind: the count of digits of the first class
// (big, odd, prime) before the colon, of the second after it.
inline constexpr std::array<std::string_view, 5> kRatioCaptions = {"0:4", "1:3", "2:2", "3:1",
                                                                   "4:0"};

// Big:small, odd:even and prime:composite ratios with one tolerance over the
// kinds in use: fail-mark column 5.
// A kind with any caption chosen is in use, even one matching no candidate.
bool ShapeRatiosInUse(const FourStarInput& input);
bool ApplyShapeRatios(const FourStarInput& input, const CandidateDigits& digits, CandidateSet& set);

} // namespace sorvanta::four
