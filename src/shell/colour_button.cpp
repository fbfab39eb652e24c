#include "shell/colour_button.hpp"

#include <QStyleOptionButton>
#include <QStylePainter>

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

// The caption is drawn over the whole face rather than the style's padded
// contents, so the small pattern buttons keep four characters readable.
void ColourButton::paintEvent(QPaintEvent*) {
    QStylePainter p(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    p.drawControl(QStyle::CE_PushButtonBevel, option);
    QRect face = rect().adjusted(1, 0, -1, 0);
    if (isDown())
        face.translate(0, 1);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.drawText(face, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(2, 2, -2, -2);
        p.drawPrimitive(QStyle::PE_FrameFocusRect, focus);
    }
}

} // namespace sorvanta::ui
