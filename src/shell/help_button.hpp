#pragma once

#include <QString>

class QButtonGroup;
class QPushButton;
class QWidget;

namespace sorvanta::ui {

class ControlRegistry;

// A help button (C_234_sm element `index`) for the group it sits on:
// registered, placed in the window's C_234_sm group (whose press the window
// routes to the topic display) and captioned "说明" unless told otherwise
// ("胆码说明", "使用技巧").
QPushButton* AddHelpButton(ControlRegistry& controls, QButtonGroup* helpButtons, int index,
                           QWidget* parent, const QString& caption = QStringLiteral("说明"));

} // namespace sorvanta::ui
