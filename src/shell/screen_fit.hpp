#pragma once

#include <QRect>

class QWidget;

namespace sorvanta::ui {

// What a window manager's title bar and borders take, at most, on the
// desktops we run on.
inline constexpr int kFrameWidthAllowance = 16;
inline constexpr int kFrameHeightAllowance = 48;

// Keeps a top-level window (a dialog) inside `available`, a screen's
// available geometry in logical pixels, with room for its frame: a window
// larger than that is shrunk and one off an edge is moved back. It cannot
// shrink below its minimum size, so a dialog whose content may be taller
// than a small screen keeps that content in a scroll area. An empty
// `available` means the screen the window is on (or the primary one).
void FitToScreen(QWidget* window, QRect available = {});

} // namespace sorvanta::ui
