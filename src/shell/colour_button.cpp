#include "shell/colour_button.hpp"

namespace sorvanta::ui {

QColor toQColor(int v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

ColourButton::ColourButton(const QString& caption, QWidget* parent, int backColor)
    : QPushButton(caption, parent), backColor_(backColor - 1) {
    setFocusPolicy(Qt::StrongFocus);
    setBackColor(backColor);
}

void ColourButton::setBackColor(int colourValue) {
    if (colourValue == backColor_)
        return;
    backColor_ = colourValue;
    QPalette pal = palette();
    const QColor c = toQColor(colourValue);
    pal.setColor(QPalette::Button, c);
    pal.setColor(QPalette::Window, c);
    pal.setColor(QPalette::ButtonText, c.lightness() < 110 ? Qt::white : Qt::black);
    setPalette(pal);
    emit backColorChanged(colourValue);
}

} // namespace sorvanta::ui
