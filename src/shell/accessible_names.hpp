#pragma once

class QWidget;

namespace sorvanta::ui {

// Gives every control under `root` (buttons, boxes, lists, drop-downs) that
// has no accessible name one, so a screen reader can say what it is and an
// automation tool can find it: a button its caption, a box the label before
// it, and a control with neither the title of the group it sits in. Where a
// name would be shared by several controls (a row of "0".."9", every "清"
// and "说明"), the row's label or the group's title goes in front. Names set
// by hand are kept; running it again after more controls were built names
// only the new ones.
void NameControls(QWidget* root);

// Whether `widget` is one of the controls NameControls names.
bool IsNamedControl(const QWidget* widget);

} // namespace sorvanta::ui
