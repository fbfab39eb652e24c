#include "shell/colour_button.hpp"

#include <QPainter>

namespace sorvanta::ui {

QColor toQColor(int v) {
    return QColor(v & 0xFF, (v >> 8) & 0xFF, (v >> 16) & 0xFF);
}

ColourButton::ColourButton(const QString& caption, QWidget* parent, int backColor)
    : FlatButton(caption, parent), backColor_(backColor - 1) {
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

FlatButton::FlatButton(const QString& caption, QWidget* parent) : QPushButton(caption, parent) {
    setAutoDefault(false);
}

void FlatButton::setMarked(bool marked) {
    if (marked == marked_)
        return;
    marked_ = marked;
    setToolTip(marked ? QStringLiteral("此页有生效的条件") : QString());
    update();
}

QSize FlatButton::minimumSizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 4, fm.height() + 2};
}

QSize FlatButton::sizeHint() const {
    const QFontMetrics fm(font());
    return {fm.horizontalAdvance(text()) + 16, fm.height() + 8};
}

void FlatButton::paintEvent(QPaintEvent*) {
    QPainter p(this);
    const QColor face = palette().color(QPalette::Button);
    // Flat: the back colour itself, no style gradient, so a colour state
    // reads as that colour; a darker edge and a shift show a press.
    p.fillRect(rect(), isDown() ? face.darker(115) : face);
    p.setPen(face.darker(isEnabled() ? 160 : 120));
    p.drawRect(rect().adjusted(0, 0, -1, -1));
    QRect caption = rect().adjusted(1, 0, -1, 0);
    if (isDown())
        caption.translate(0, 1);
    p.setPen(
        palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::ButtonText));
    p.setFont(font());
    p.drawText(caption, Qt::AlignCenter | Qt::TextSingleLine, text());
    if (marked_) {
        const int r = qMax(2, height() / 7);
        p.setRenderHint(QPainter::Antialiasing);
        p.setPen(Qt::NoPen);
        p.setBrush(QColor(220, 0, 0));
        p.drawEllipse(QPoint(width() - r - 3, r + 3), r, r);
        p.setRenderHint(QPainter::Antialiasing, false);
        p.setBrush(Qt::NoBrush);
    }
    if (hasFocus()) {
        QPen dotted(palette().color(QPalette::ButtonText), 1, Qt::DotLine);
        p.setPen(dotted);
        p.drawRect(rect().adjusted(2, 2, -3, -3));
    }
}

} // namespace sorvanta::ui
