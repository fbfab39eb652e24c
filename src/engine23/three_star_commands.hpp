#pragma once

// The three-star commands as engine functions: each returns the numbers
// and the texts the window shows; none knows a widget.

#include "common/number_sets.hpp"
#include "engine23/three_star_input.hpp"
#include "engine23/three_star_pipeline.hpp"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::three {

// A modal message box with an OK button.
struct Message {
    std::string_view title;
    std::string text;
    bool operator==(const Message&) const = default;
};

inline constexpr std::string_view kReminderTitle = "温馨提示";
inline constexpr std::string_view kShrinkBeforeInvertText = "请先缩水后再反选";
inline constexpr std::string_view kInvertCopiedText =
    "复制反选号码成功！！\n注意，组选号码不能反选，只能反选直选号码";
inline constexpr std::string_view kNeedThreeDigitsText = "输入必须是三位数字";

// What a command leaves in the result: its numbers (ascending; the box shows
// ThreeDigitTexts(numbers) and numbers.size()), whether they also go to the
// clipboard, and the message it shows.
struct ThreeStarOutcome {
    std::vector<int> numbers;
    bool copied = false;
    std::optional<Message> message;
};

// "反选": a fresh run; refused with "请先缩水后再反选" when it kept 0 or all
// 1000 numbers (the result is then the run's survivors). Otherwise the
// excluded numbers are the result and are copied, with the success message.
ThreeStarOutcome InvertThreeStar(const ThreeStarInput& input, ThreeStarState& state);

// "转为组选": a fresh run, then each group of the survivors once, its digits
// ascending ("017", "355"), in ascending order.
ThreeStarOutcome ConvertThreeStarToGroup(const ThreeStarInput& input, ThreeStarState& state);

// "清空所有条件": the input the panel holds after the clear. It keeps what the
// clear does not touch: the 直选/组选 switch and 胆码计重. Every box shows its
// hint again, which reads as empty here.
ThreeStarInput ClearedThreeStarInput(const ThreeStarInput& current);

// "算胆": the last draw's three-star number as typed.
inline constexpr std::string_view kBankerSuggestionTable =
    "13568=24679=03578=14689=02579=01368=12479=02358=23469=02457";
struct BankerSuggestion {
    std::string input_text;  // the typed text afterwards: its digits only
    std::string output_text; // the bankers, or "未计算"
    std::optional<Message> message;
};
BankerSuggestion SuggestBankers(std::string_view lastDraw);

// The intersection tool over boxes A and B: the combined members and their
// count. When neither box has a three-digit member the tool stops with an
// empty result.
struct IntersectionOutcome {
    std::string result_text;
    int count = 0;
};
IntersectionOutcome RunIntersectionTool(std::string_view boxA, std::string_view boxB,
                                        SetOperation operation);
// "添加": appends the three list texts (left position, comparison, right
// position) as one rule when none is empty; returns whether it did.
bool AddPositionMatchRule(std::vector<std::string>& rules, std::string_view left,
                          std::string_view comparison, std::string_view right);
// "删除": removes every selected rule (selected[i] for rules[i]),
// walking from the last to the first. Entries past `selected` stay.
void DeletePositionMatchRules(std::vector<std::string>& rules, const std::vector<bool>& selected);

} // namespace sorvanta::three
