#pragma once

#include <QString>

namespace sorvanta::ui {

class ControlRegistry;

// The four-star condition panel's clear and select-all operations. Group
// codes 0..35 are the element indexes of the C_cls buttons beside the
// groups; everything here works on the registered controls and nothing else.
inline constexpr int kFirstGroupCode = 0;
inline constexpr int kLastGroupCode = 35;

// "清" for the clearing codes, "全" for the select-all ones (13..19), "全清"
// for the two splice pages (34, 35).
QString ClearButtonCaption(int code);

// Puts one group back to its starting state (or, for 13..19, chooses every
// button of it). Codes outside 0..35 change nothing.
void ResetConditionGroup(const ControlRegistry& controls, int code);

// Code 28 empties the verification box; the caller runs the verification
// again afterwards, so its figures describe the box as it now is.
bool ClearCodeRerunsVerification(int code);

// The whole condition panel back to its starting state. The verification
// and extraction boxes, the intersection lists' group codes and the
// select-all codes are not run; the result and the win check are the
// caller's to empty.
void ResetConditionPanel(const ControlRegistry& controls);

} // namespace sorvanta::ui
