#pragma once

#include <functional>

class QTimer;
class QWidget;

namespace sorvanta::ui {

class ControlRegistry;
class FourStarPanel;
class HelpTopics;
class ModeCommands;
class SingleInstance;

// What the start-up sequence works on, handed in by the window. A part that
// is missing (no three-star panel yet, no instance check in a test) is
// skipped; every hook may be empty.
struct StartupParts {
    QTimer* timer = nullptr; // Timer_load
    ControlRegistry* controls = nullptr;
    FourStarPanel* fourStar = nullptr;
    ModeCommands* fourStarCommands = nullptr;
    HelpTopics* help = nullptr;
    ModeCommands* threeStar = nullptr;
    ModeCommands* twoStar = nullptr;
    SingleInstance* instance = nullptr;
    QWidget* messageParent = nullptr;

    std::function<void()> createHistoryTables;
    std::function<void(int)> switchMode;
    std::function<void()> helpLoaded;
    std::function<void()> drawOmissionGrid;
    // Ends the program when another copy already runs.
    std::function<void()> quit;
    // The draw history's store and collections: started only once no other
    // copy runs, so a copy that gives way has opened and fetched nothing.
    std::function<void()> startHistory;
};

// The one-shot start-up sequence, run once after the window is shown.
// Returns false when the program gave way to a copy that already runs.
bool RunStartup(const StartupParts& parts);

// Earlier versions kept their settings under Qt's stand-in organisation
// name; they are copied once to the program's own place, never lost.
void MoveUnnamedSettings();

// The three-star lists Cb_rc 0 to 4 with their items and first choices.
void FillThreeStarLists(const ControlRegistry& controls);

} // namespace sorvanta::ui
