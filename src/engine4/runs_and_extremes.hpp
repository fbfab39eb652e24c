#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <array>
#include <string_view>

namespace sorvanta::four {

// The captions of the run and repeat buttons C_bi 150..158, in element order.
inline constexpr std::array<std::string_view, 9> kRunRepeatCaptions = {
    "不连", "2连", "3连", "4连", "AAAA", "AAAB", "AABC", "AABB", "ABCD"};

// Column 11: marks every candidate whose run class or repeat class is among
// the excluded captions. Captions of neither kind are ignored; with none
// chosen nothing is written. The run class ("不连" "2连" "3连" "4连") is the
// longest run of consecutive digits among the distinct digits, where 9 and 0
// are neighbours; only the longest counts (1234 is "4连", not also "3连").
// The repeat class is "AAAA" "AAAB" "AABB" "AABC" or "ABCD".
void ApplyRunAndRepeatClasses(const CaptionSet& excluded, CandidateSet& set);

// Column 12: marks every candidate whose smallest digit is not among
// `smallest` (when any is chosen) or whose largest digit is not among
// `largest` (when any is chosen). With both empty nothing is written.
void ApplyMinMaxDigits(const DigitSet& smallest, const DigitSet& largest, CandidateSet& set);

// The two as groups of the table: in use when a run or repeat caption,
// or a smallest or largest digit, is chosen.
bool RunRepeatInUse(const FourStarInput& input);
bool ApplyRunRepeat(const FourStarInput& input, const CandidateDigits& digits, CandidateSet& set);
bool ExtremesInUse(const FourStarInput& input);
bool ApplyExtremes(const FourStarInput& input, const CandidateDigits& digits, CandidateSet& set);

} // namespace sorvanta::four
