#pragma once

#include <QRect>
#include <QScrollArea>

namespace sorvanta::ui {

// The window keeps the fixed twips geometry its panels are laid out in. On a
// screen too small for it (a 1080p laptop at 150% has 720 logical pixels of
// height, the window about 910) it goes into this scrolling frame instead of
// running off the screen's edge, where the lower groups could not be reached.
// The frame follows the window's width as the mode changes, never past
// `available`.
class WindowHost : public QScrollArea {
public:
    explicit WindowHost(QWidget* window, const QRect& available = {});

    // The frame's size for the window's present size.
    void fitToWindow();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;
    // Closing the frame asks the window, so its close confirmation still
    // decides.
    void closeEvent(QCloseEvent* event) override;

private:
    QRect available_;
};

// Shows `window` as it is when it fits in `available` with room for a title
// bar, otherwise inside a WindowHost sized to `available`. Returns the
// top-level that was shown (the host, or the window itself).
QWidget* ShowFitted(QWidget* window, const QRect& available);

} // namespace sorvanta::ui
