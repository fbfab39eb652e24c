#pragma once

// The four-star commands that turn the last run into another list: each
// returns numbers (ascending) and the texts the window shows; none knows a
// widget.

#include "engine4/candidate_set.hpp"
#include "engine4/four_star_input.hpp"

#include <string_view>
#include <vector>

namespace sorvanta::four {

inline constexpr std::string_view kReminderTitle = "温馨提示";
inline constexpr std::string_view kInvertDoneText =
    "反选成功。\n注意，组选号码不能反选，只能反选直选号码";

// "反选" (InvertResult): the numbers the last tally took out. The table is
// not changed, so a second press lists them again; the window shows
// kInvertDoneText first.
std::vector<int> InvertFourStar(const FourStarState& state);

// "转为组选", after its run: each group of the last tally's survivors once,
// its digits ascending (123 for 0123), in ascending order.
std::vector<int> ConvertFourStarToGroup(const FourStarState& state);

// "清空条件": the input the panel holds after the whole-panel clear. 胆码计重
// keeps its tick; every box shows its hint again, which reads as empty here,
// and the splice modes are back on 保留.
FourStarInput ClearedFourStarInput(const FourStarInput& current);

} // namespace sorvanta::four
