#pragma once

#include <QString>

namespace sorvanta::ui {

class ControlRegistry;

// The condition panels' clear and select-all operations, run over the
// registered controls and nothing else.
//
// ---- four-star: group codes 0..35 are the element indexes of the C_cls
// buttons beside the groups.

// "清" for the clearing codes, "全" for the select-all ones (13..19), "全清"
// for the two splice pages (34, 35).
QString ClearButtonCaption(int code);

// Puts one group back to its starting state (or, for 13..19, chooses every
// button of it). Codes outside 0..35 change nothing.
void ResetConditionGroup(const ControlRegistry& controls, int code);

// Code 28 empties the verification box; the caller runs the verification
// again afterwards, so its figures describe the box as it now is.
bool ClearCodeRerunsVerification(int code);

// ---- three-star: C_3x_cls 0..22 (and 37, 38: the 杀垃圾复式 and 杀2码组合
// pages), C_3x_all 0..8; other codes change nothing.
void ResetThreeStarGroup(const ControlRegistry& controls, int code);
void SelectAllThreeStar(const ControlRegistry& controls, int code);
// "清空所有条件" beyond the conditions (the panel writes those back from a
// cleared input): the tools' boxes, the match rule being put together, the
// result and the win check. The scratch box stays as it is.
void ResetThreeStarTools(const ControlRegistry& controls);

// ---- two-star: C_3x_cls 27..36 and C_3x_all 9..12, the element indexes of
// its buttons; other codes change nothing.
void ClearTwoStarGroup(const ControlRegistry& controls, int code);
void SelectAllTwoStarGroup(const ControlRegistry& controls, int code);

} // namespace sorvanta::ui
