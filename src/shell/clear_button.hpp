#pragma once

#include <QString>

class QButtonGroup;
class QPushButton;
class QWidget;

namespace sorvanta::ui {

class ControlRegistry;

// A small clear or select-all button (C_cls and its kin), registered under
// `array` with its code as element index and placed in `group`, whose press
// the window routes through its guard.
QPushButton* AddClearButton(ControlRegistry& controls, QButtonGroup* group, int code,
                            const QString& caption, QWidget* parent,
                            const QString& array = QStringLiteral("C_cls"));

// Sets the text of a text box, line box, label or editable list of any kind;
// a missing control is no error.
void SetBoxText(QWidget* box, const QString& text);
inline void EmptyBox(QWidget* box) {
    SetBoxText(box, QString());
}

} // namespace sorvanta::ui
