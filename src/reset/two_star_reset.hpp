#pragma once

namespace sorvanta::ui {

class ControlRegistry;

// The two-star panel's clear and fill operations. Clear codes are the
// element indexes of its C_3x_cls buttons (23 to 36), fill codes those of
// its C_3x_all buttons (9 to 12); codes outside change nothing.
inline constexpr int kTwoStarFirstClearCode = 23;
inline constexpr int kTwoStarLastClearCode = 36;
inline constexpr int kTwoStarFirstSelectAllCode = 9;
inline constexpr int kTwoStarLastSelectAllCode = 12;

void ClearTwoStarGroup(const ControlRegistry& controls, int code);
void SelectAllTwoStarGroup(const ControlRegistry& controls, int code);

// "清空条件": every clear code 23 to 36 (no other panel's control among
// them), the two list boxes back to their hints, the
// special shapes off, every two-star range back to 0 to 0, and the result
// emptied. The 胆码计重 box keeps its tick: on its own it filters nothing.
void ResetTwoStarPanel(const ControlRegistry& controls);

} // namespace sorvanta::ui
