#pragma once

#include <QString>

class QButtonGroup;
class QPushButton;
class QWidget;

namespace sorvanta::ui {

class ControlRegistry;
class Fmain;

// The four-star condition panel's clear and select-all operations. Group
// codes 0..35 are the element indexes of the C_cls buttons beside the
// groups; everything here works on the controls and nothing else.
inline constexpr int kFirstGroupCode = 0;
inline constexpr int kLastGroupCode = 35;

// "清" for the clearing codes, "全" for the select-all ones (13..19), "全清"
// for the two splice pages (34, 35).
QString ClearButtonCaption(int code);

// C_cls element `code`, small enough for the end of a row of digit buttons,
// registered and placed in the window's C_cls group.
QPushButton* AddClearButton(ControlRegistry& controls, QButtonGroup* clearButtons, int code,
                            QWidget* parent);

// Puts one group back to its starting state (or, for 13..19, chooses every
// button of it). Codes outside 0..35 change nothing.
void ResetConditionGroup(Fmain& window, int code);

// The whole condition panel back to its starting state, and the result with
// it. Verification and extraction boxes, the intersection lists' group
// codes and the select-all codes are not run.
void ResetConditionPanel(Fmain& window);

// Empties a text box, line box, label or editable list of any kind; a
// missing control is no error.
void EmptyBox(QWidget* box);

} // namespace sorvanta::ui
