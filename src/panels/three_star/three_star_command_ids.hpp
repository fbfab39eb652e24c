#pragma once

// The command buttons C_2x3x_gn of the three-star panel and its tools: their
// element indexes and captions (6 does not exist).

#include "common/number_sets.hpp"

#include <array>
#include <optional>
#include <string_view>

namespace sorvanta::ui {

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

// The operation of the intersection tool's commands 7 to 10; nullopt for any
// other command.
constexpr std::optional<SetOperation> IntersectionOperationOf(ThreeStarCommand command) {
    switch (command) {
    case ThreeStarCommand::Intersection:
        return SetOperation::Intersection;
    case ThreeStarCommand::Union:
        return SetOperation::Union;
    case ThreeStarCommand::AWithoutB:
        return SetOperation::AWithoutB;
    case ThreeStarCommand::BWithoutA:
        return SetOperation::BWithoutA;
    default:
        return std::nullopt;
    }
}

} // namespace sorvanta::ui
