#pragma once

#include "engine4/candidate_digits.hpp"
#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <array>
#include <string>
#include <string_view>

namespace sorvanta::four {

// The positional-pattern box's filter: anything but digits, "*" and blanks
// becomes a blank, double blanks are replaced five passes in a row, trimmed.
std::string NormalisePatternText(std::string_view text);

// The seven top conditions in the order they run, each named by its caption
// on the panel's pages.
inline constexpr std::array<std::string_view, 7> kTopConditionNames = {
    "杀直选号码", "杀垃圾复式",  "杀两码组合", "必出两码组合",
    "杀3码组合",  "必出3码组合", "杀定位组合"};

// Which of them a run of `input` has switched on, by the very rules the
// conditions apply: a box that yields no usable entry is off (the require
// boxes are on as soon as a digit is left).
std::array<bool, 7> TopConditionsInUse(const FourStarInput& input);

// Whether any of them is: the group of fail-mark column 1 is in use.
bool TopConditionsGroupInUse(const FourStarInput& input);

// The seven text conditions of the top panel, in their order: kill direct
// numbers, kill junk compounds, kill and require two-digit combinations,
// kill and require three-digit combinations, kill positional patterns.
// They share fail-mark column 1; each reads its box once and tells by the
// very rule TopConditionsInUse applies whether it took part.
bool ApplyTopConditions(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set);

} // namespace sorvanta::four
