#include "shell/screen_fit.hpp"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace sorvanta::ui {

void FitToScreen(QWidget* window, QRect available) {
    if (!window)
        return;
    if (available.isEmpty()) {
        const QScreen* screen =
            window->screen() ? window->screen() : QGuiApplication::primaryScreen();
        if (!screen)
            return;
        available = screen->availableGeometry();
    }
    // A layout decides its window's size only when it is shown; asked first,
    // so the size checked is the one the player would get.
    if (!window->isVisible() && !window->testAttribute(Qt::WA_Resized)) {
        window->ensurePolished();
        window->adjustSize();
    }
    const QRect area = available.adjusted(0, 0, -kFrameWidthAllowance, -kFrameHeightAllowance);
    const QSize size = window->size().boundedTo(area.size()).expandedTo(window->minimumSize());
    window->resize(size);
    QPoint at = window->pos();
    at.setX(qBound(area.left(), at.x(), qMax(area.left(), area.right() + 1 - size.width())));
    at.setY(qBound(area.top(), at.y(), qMax(area.top(), area.bottom() + 1 - size.height())));
    window->move(at);
}

} // namespace sorvanta::ui
