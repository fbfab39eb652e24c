#include "app/window_host.hpp"

#include <QCloseEvent>
#include <QStyle>

namespace sorvanta::ui {

namespace {
// What a window manager's title bar and borders take, at most, on the
// desktops we run on.
constexpr int kFrameAllowance = 48;
} // namespace

WindowHost::WindowHost(QWidget* window) {
    setWindowTitle(window->windowTitle());
    setWindowIcon(window->windowIcon());
    setFrameShape(QFrame::NoFrame);
    setWidgetResizable(false);
    setWidget(window);
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
    if (need.width() <= available.width() &&
        need.height() + kFrameAllowance <= available.height()) {
        window->show();
        return window;
    }
    auto* host = new WindowHost(window);
    host->setAttribute(Qt::WA_DeleteOnClose, false);
    const int bar = host->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    host->resize(qMin(need.width() + bar, available.width()),
                 qMin(need.height() + bar, available.height() - kFrameAllowance));
    host->move(available.topLeft());
    host->show();
    window->show();
    return host;
}

} // namespace sorvanta::ui
