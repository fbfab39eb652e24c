#pragma once

namespace sorvanta::ui {

class ControlRegistry;

// The three-star panel's clear (C_3x_cls) and select-all (C_3x_all)
// operations, run over the registered controls and nothing else.
inline constexpr int kLastThreeStarClearCode = 22;
inline constexpr int kLastThreeStarSelectAllCode = 8;

// Puts group `code` (0..22, and 37, 38: the 杀垃圾复式 and 杀2码组合 pages)
// back to its starting state. Other codes change nothing.
void ResetThreeStarGroup(const ControlRegistry& controls, int code);

// Chooses every button of group `code` (0..8); other codes change nothing.
void SelectAllThreeStar(const ControlRegistry& controls, int code);

// "清空所有条件": every group, every box back to its hint, the lists and
// tolerances to their starting texts, the result and the win check emptied.
// The rule list is the caller's to empty; the 直选/组选 switch, 胆码计重 and
// the scratch box stay as they are.
void ResetThreeStarPanel(const ControlRegistry& controls);

} // namespace sorvanta::ui
