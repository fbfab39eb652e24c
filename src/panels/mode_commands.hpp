#pragma once

#include <QString>

namespace sorvanta::ui {

// What the window routes to a two- or three-star panel: its C_2x3x_gn
// commands and its C_3x_cls / C_3x_all buttons. The window runs each press
// through its one guard and catches what a command throws.
class ModeCommands {
public:
    virtual ~ModeCommands() = default;
    virtual void run(int index) = 0;         // C_2x3x_gn element
    virtual void runClear(int code) = 0;     // C_3x_cls element
    virtual void runSelectAll(int code) = 0; // C_3x_all element
    // What the copy button C_2x3x_gn `index` puts on the clipboard, and its
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
