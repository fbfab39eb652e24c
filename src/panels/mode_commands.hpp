#pragma once

#include <QString>

namespace sorvanta::ui {

// The commands of a mode's panel, as the window routes the presses of the
// panel's groups to them: its command buttons (C_guolv_ks or C_2x3x_gn),
// its clear buttons (C_cls or C_3x_cls) and its select-all buttons
// (C_3x_all). The window runs each press through its one guard and catches
// what a command throws.
class ModeCommands {
public:
    virtual ~ModeCommands() = default;
    virtual void run(int index) = 0;         // command element
    virtual void runClear(int code) = 0;     // clear element
    virtual void runSelectAll(int code) = 0; // select-all element
    // What the copy button `index` puts on the clipboard, and its
    // "导出号码" saves; the empty text for any other element.
    virtual QString copiedNumbers(int index) const {
        (void)index;
        return {};
    }
    // The mode's candidate and digit tables, made once at start-up
    // (InitThreeTwoStarSets); a mode whose tables are made with it has
    // nothing to do here.
    virtual void initTables() {}
};

} // namespace sorvanta::ui
