#pragma once

#include "common/allowed_counts.hpp"
#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <array>
#include <string>

namespace sorvanta::four {

// 保留 keeps the candidates whose failure count the tolerance allows;
// 删除 marks exactly those instead.
enum class SpliceMode { Keep, Delete };

// The position patterns of the splice boxes, in the order the texts come.
inline constexpr std::array<const char*, 6> kTwoStarSplicePatterns = {"千百**", "千*十*", "千**个",
                                                                      "*百十*", "*百*个", "**十个"};
inline constexpr std::array<const char*, 4> kThreeStarSplicePatterns = {"千百十*", "千百*个",
                                                                        "千*十个", "*百十个"};

// Column 13. `boxes` are the texts of the six two-star boxes in pattern
// order. A candidate fails a box in use when the box lacks the candidate's
// digits at the box's two positions; the count of such boxes is checked
// against `tolerance`. Boxes without one two-digit number are not in use;
// with none in use nothing is written. Returns whether a box was in use.
bool ApplyTwoStarSplice(const std::array<std::string, 6>& boxes, SpliceMode mode,
                        const RangeText& tolerance, CandidateSet& set);

// Column 14: the same over the four three-star boxes and their triples.
bool ApplyThreeStarSplice(const std::array<std::string, 4>& boxes, SpliceMode mode,
                          const RangeText& tolerance, CandidateSet& set);

// The two as groups of the table, with the input's boxes, mode and
// tolerance: in use when a box holds a number of its width.
bool TwoStarSpliceInUse(const FourStarInput& input);
bool ApplyTwoStarSplice(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set);
bool ThreeStarSpliceInUse(const FourStarInput& input);
bool ApplyThreeStarSplice(const FourStarInput& input, const CandidateDigits& digits,
                          CandidateSet& set);

} // namespace sorvanta::four
