#pragma once

// The three-star commands of C_2x3x_gn as engine functions: each
// returns what the window must show; none touches a widget.

#include "common/number_sets.hpp"
#include "engine23/three_star_input.hpp"
#include "engine23/three_star_pipeline.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::three {

// C_2x3x_gn elements of the three-star panel and its tools (6 does not exist).
enum class ThreeStarCommand {
    Shrink = 0,            // 开始缩水
    Copy = 1,              // 复制号码
    Invert = 2,            // 反选
    ConvertToGroup = 3,    // 转为组选
    Clear = 4,             // 清空所有条件
    SuggestBankers = 5,    // 算胆
    Intersection = 7,      // AB交集
    Union = 8,             // AB并集
    AWithoutB = 9,         // A排除B
    BWithoutA = 10,        // B排除A
    CopyIntersection = 11, // 复制结果号码
    AddMatchRule = 12,     // 添加
    DeleteMatchRules = 13, // 删除
};

struct CommandCaption {
    ThreeStarCommand command;
    std::string_view caption;
};
inline constexpr std::array<CommandCaption, 13> kThreeStarCommandCaptions = {{
    {ThreeStarCommand::Shrink, "开始缩水"},
    {ThreeStarCommand::Copy, "复制号码"},
    {ThreeStarCommand::Invert, "反选"},
    {ThreeStarCommand::ConvertToGroup, "转为组选"},
    {ThreeStarCommand::Clear, "清空所有条件"},
    {ThreeStarCommand::SuggestBankers, "算胆"},
    {ThreeStarCommand::Intersection, "AB交集"},
    {ThreeStarCommand::Union, "AB并集"},
    {ThreeStarCommand::AWithoutB, "A排除B"},
    {ThreeStarCommand::BWithoutA, "B排除A"},
    {ThreeStarCommand::CopyIntersection, "复制结果号码"},
    {ThreeStarCommand::AddMatchRule, "添加"},
    {ThreeStarCommand::DeleteMatchRules, "删除"},
}};

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

// What a command leaves in the result box T_dd 0 and the count Lzhushu 0,
// what it puts on the clipboard (data_cp) and the message it shows.
struct ThreeStarOutcome {
    std::string result_text;
    int count = 0;
    std::optional<std::string> clipboard;
    std::optional<Message> message;
};

// Index 0 "开始缩水": a run; the box shows the survivors and the count. (The
// window also empties the win-check box T_duijiang 0.)
ThreeStarOutcome ShrinkThreeStar(const ThreeStarInput& input, ThreeStarState& state);

// Index 2 "反选": a fresh run; refused with "请先缩水后再反选" when it kept 0
// or all 1000 numbers (the box then shows the run's result). Otherwise the
// excluded numbers are the result and go to the clipboard, with the success
// message. The state's result_text and count follow what the box shows.
ThreeStarOutcome InvertThreeStar(const ThreeStarInput& input, ThreeStarState& state);

// Index 3 "转为组选": a fresh run, then each group of the survivors once, its
// digits ascending ("017", "355"), in ascending order.
ThreeStarOutcome ConvertThreeStarToGroup(const ThreeStarInput& input, ThreeStarState& state);

// Index 4 "清空所有条件": the input the panel holds after the clear. It keeps
// what the clear does not touch: the 直选/组选 switch (dd_2x1) and 胆码计重
// (Check_2x3x 0). Every box shows its hint again, which reads as empty here.
ThreeStarInput ClearedThreeStarInput(const ThreeStarInput& current);

// Index 5 "算胆": the last draw's three-star number typed into T_3x_ip 5.
inline constexpr std::string_view kBankerSuggestionTable =
    "13568=24679=03578=14689=02579=01368=12479=02358=23469=02457";
struct BankerSuggestion {
    std::string input_text;  // T_3x_ip 5 afterwards: the typed text without non-digits
    std::string output_text; // T_3x_ip 6: the bankers, or "未计算"
    std::optional<Message> message;
};
BankerSuggestion SuggestBankers(std::string_view lastDraw);

// Indexes 7 to 10, the intersection tool: boxes T_3x_ip 10 (A) and 11 (B);
// the result goes to T_3x_ip 12 and its count to Lzhushu 2. When neither box
// has a three-digit member the tool stops with an empty result.
struct IntersectionOutcome {
    std::string result_text;
    int count = 0;
};
IntersectionOutcome RunIntersectionTool(std::string_view boxA, std::string_view boxB,
                                        SetOperation operation);
// The operation of command index 7 to 10; nullopt for any other index.
std::optional<SetOperation> IntersectionOperationOf(ThreeStarCommand command);

// Index 12 "添加": appends the three list texts (Cb_rc 2, 3, 4) as one rule
// when none is empty; returns whether it did.
bool AddPositionMatchRule(std::vector<std::string>& rules, std::string_view left,
                          std::string_view comparison, std::string_view right);
// Index 13 "删除": removes every selected rule (selected[i] for rules[i]),
// walking from the last to the first. Entries past `selected` stay.
void DeletePositionMatchRules(std::vector<std::string>& rules, const std::vector<bool>& selected);

} // namespace sorvanta::three
