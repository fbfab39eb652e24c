#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <string>
#include <vector>

namespace sorvanta::four {

enum class PatternKind { BigSmall, OddEven, PrimeComposite, Route012 };
inline constexpr PatternKind kPatternKinds[] = {PatternKind::BigSmall, PatternKind::OddEven,
                                                PatternKind::PrimeComposite, PatternKind::Route012};

// A pattern group's button captions in element order: the class of each
// position, thousands first ("大小小大", "奇偶奇偶", "质合合质", "2202").
const std::vector<std::string>& PatternCaptions(PatternKind kind);
// The same captions in the order of the group's buttons (C_bi 21.., 37..,
// 53.., 69..149): the panel builds its buttons from it and a saved scheme
// lists chosen captions in it.
const std::vector<std::string>& PatternButtonCaptions(PatternKind kind);

// The four pattern groups (kPatternKinds, in this order) mark their own
// working columns 7 to 10 and note in row 10000 that they are in use;
// MergeShapePatterns then folds them into column 7 by the pattern
// tolerance, so they count as one group.
void ApplyPatterns(PatternKind kind, const FourStarInput& input, const CandidateDigits& digits,
                   CandidateSet& set);
void MergeShapePatterns(const FourStarInput& input, CandidateSet& set);

// The four kinds and their merge as the one group of column 7, in use when
// any kind has a caption chosen.
bool ShapePatternsInUse(const FourStarInput& input);
bool ApplyShapePatterns(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set);

} // namespace sorvanta::four
