#pragma once

class QWidget;

namespace sorvanta::ui {

// Gives every control under `root` (buttons, boxes, lists, drop-downs) that
// has no accessible name one, so a screen reader can say what it is and an
// automation tool can find it. One rule names them all: the group it sits
// in, its row's label, its column's heading and its own caption (a box: the
// label before it), each said once; "清" and "全" are said as what they do
// ("清空", "全选"), and a group's only "清" clears the group, not its row.
// Names set by hand are kept; running it again after more controls were
// built names only the new ones.
void NameControls(QWidget* root);

// Whether `widget` is one of the controls NameControls names.
bool IsNamedControl(const QWidget* widget);

} // namespace sorvanta::ui
