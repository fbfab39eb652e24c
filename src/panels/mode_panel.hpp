#pragma once

#include "common/mode.hpp"
#include "scheme/scheme.hpp"

#include <QString>

class QWidget;

namespace sorvanta::ui {

class ModeCommands;

// One mode's condition panel as the window sees it: the window keeps a
// table of these, one per mode, and routes the mode buttons, the scheme
// actions, the copy and export buttons and every command press through it.
// Which control holds which condition stays the panel's own business.
class ModePanel {
public:
    virtual ~ModePanel() = default;

    virtual Mode mode() const = 0;
    // The panel's frame, Pic_di element Index(mode()).
    virtual QWidget* frame() = 0;

    // The whole panel as its mode's input (a scheme's conditions) and back;
    // an input of another mode changes nothing.
    virtual scheme::SchemeInput readModeInput() const = 0;
    virtual void writeModeInput(const scheme::SchemeInput& input) = 0;

    // The result field (numbers separated by single blanks) and its count.
    virtual void showResult(const QString& numbers, int count) = 0;
    virtual void clearResult() = 0;
    // What copy button `index` of the panel's command array puts on the
    // clipboard, and the "导出号码" beside it saves; empty for any other.
    virtual QString copiedNumbers(int index) const = 0;

    // The commands its buttons run: the window routes the presses of the
    // panel's command, clear and select-all groups here.
    virtual ModeCommands& commands() = 0;
};


} // namespace sorvanta::ui
