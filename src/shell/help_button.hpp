#pragma once

#include <QList>
#include <QString>

class QButtonGroup;
class QGroupBox;
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

// Keeps `buttons` (children of `box`) at the right end of the box's title
// line, and the box's layout below them, so a group gets its help without a
// row of its own. Follows the box through resizes and font changes.
void PutInTitleLine(QGroupBox* box, const QList<QPushButton*>& buttons);

} // namespace sorvanta::ui
