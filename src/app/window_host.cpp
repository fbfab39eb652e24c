#include "app/window_host.hpp"

#include "shell/screen_fit.hpp"

#include <QCloseEvent>
#include <QEvent>
#include <QStyle>

namespace sorvanta::ui {

WindowHost::WindowHost(QWidget* window, const QRect& available) : available_(available) {
    setWindowTitle(window->windowTitle());
    setWindowIcon(window->windowIcon());
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(window);
    window->installEventFilter(this);
}

void WindowHost::fitToWindow() {
    const QWidget* inner = widget();
    if (!inner)
        return;
    const QSize need = inner->size();
    const int bar = style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    // A scroll bar is added only on the side that does not fit.
    const bool tooWide = need.width() > available_.width() - kFrameWidthAllowance;
    const bool tooHigh = need.height() > available_.height() - kFrameHeightAllowance;
    const int width = need.width() + (tooHigh ? bar : 0);
    const int height = need.height() + (tooWide ? bar : 0);
    resize(qMin(width, available_.width() - kFrameWidthAllowance),
           qMin(height, available_.height() - kFrameHeightAllowance));
}

bool WindowHost::eventFilter(QObject* watched, QEvent* event) {
    // The mode switch resizes the window: the frame follows, so a narrow
    // mode leaves no grey beside its panel.
    if (watched == widget() && event->type() == QEvent::Resize)
        fitToWindow();
    return QScrollArea::eventFilter(watched, event);
}

void WindowHost::closeEvent(QCloseEvent* event) {
    QWidget* inner = widget();
    if (inner && !inner->close()) {
        event->ignore();
        return;
    }
    event->accept();
}

QWidget* ShowFitted(QWidget* window, const QRect& available) {
    const QSize need = window->size();
    if (need.width() + kFrameWidthAllowance <= available.width() &&
        need.height() + kFrameHeightAllowance <= available.height()) {
        window->show();
        return window;
    }
    auto* host = new WindowHost(window, available);
    host->setAttribute(Qt::WA_DeleteOnClose, false);
    host->fitToWindow();
    host->move(available.topLeft());
    host->show();
    window->show();
    return host;
}

} // namespace sorvanta::ui
