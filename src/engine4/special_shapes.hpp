#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <array>
#include <string_view>

namespace sorvanta::four {

enum class SpecialShape { Rising, Falling, Convex, Concave, NShape, ReverseN };

// In button order, one per SpecialShape.
inline constexpr std::array<std::string_view, 6> kSpecialShapeCaptions = {"上山", "下山", "凸形",
                                                                          "凹形", "N形",  "反N形"};

bool HasShape(SpecialShape shape, const CandidateDigits::Digits& digits);

// Excluded special shapes, no tolerance: fail-mark column 6.
bool SpecialShapesInUse(const FourStarInput& input);
bool ApplySpecialShapes(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set);

} // namespace sorvanta::four
