#include "shell/picture_box.hpp"

#include "shell/colour_button.hpp"
#include "shell/twips.hpp"

#include <QPainter>

namespace sorvanta::ui {

PictureBox::PictureBox(QWidget* parent) : QWidget(parent) {
    canvas_ = QImage(1, 1, QImage::Format_ARGB32_Premultiplied);
    canvas_.fill(Qt::transparent);
}

void PictureBox::setScale(const QRectF& units) {
    scale_ = units;
    userScale_ = units.width() != 0 && units.height() != 0;
}

QPointF PictureBox::toPixels(double x, double y) const {
    if (!userScale_)
        return {x / 15.0, y / 15.0};
    return {(x - scale_.left()) * width() / scale_.width(),
            (y - scale_.top()) * height() / scale_.height()};
}

void PictureBox::clear() {
    canvas_.fill(Qt::transparent);
    update();
}

void PictureBox::line(double x1, double y1, double x2, double y2) {
    QPainter p(&canvas_);
    p.setRenderHint(QPainter::Antialiasing, false);
    p.setPen(QPen(toQColor(foreColor_), drawWidth_));
    p.drawLine(toPixels(x1, y1), toPixels(x2, y2));
    update();
}

void PictureBox::print(double x, double y, const QString& text) {
    QPainter p(&canvas_);
    QFont f = font();
    f.setPointSizeF(fontSize_);
    p.setFont(f);
    p.setPen(toQColor(foreColor_));
    const QPointF at = toPixels(x, y);
    p.drawText(QRectF(at, QSizeF(canvas_.width(), canvas_.height())), Qt::AlignLeft | Qt::AlignTop,
               text);
    update();
}

void PictureBox::paintEvent(QPaintEvent*) {
    QPainter p(this);
    p.drawImage(0, 0, canvas_);
}

void PictureBox::resizeEvent(QResizeEvent*) {
    if (canvas_.size() == size())
        return;
    QImage grown(size().expandedTo(QSize(1, 1)), QImage::Format_ARGB32_Premultiplied);
    grown.fill(Qt::transparent);
    QPainter p(&grown);
    p.drawImage(0, 0, canvas_);
    canvas_ = grown;
}

} // namespace sorvanta::ui
