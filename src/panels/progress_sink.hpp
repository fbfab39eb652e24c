#pragma once

namespace sorvanta::ui {

// Where a long command shows how far it is: the window's progress frame.
// A command shows it, sets the bar at its fixed points (letting the window
// repaint there) and hides it; it never learns where the frame sits.
class ProgressSink {
public:
    virtual ~ProgressSink() = default;
    virtual void showProgress() = 0;
    virtual void setProgress(double share) = 0;
    virtual void hideProgress() = 0;
};

} // namespace sorvanta::ui
