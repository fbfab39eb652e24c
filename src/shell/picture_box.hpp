#pragma once

#include <QImage>
#include <QRectF>
#include <QWidget>

namespace sorvanta::ui {

// A drawing surface that keeps what was drawn on it (so it survives
// repaints) and maps its own scale units onto its pixels. The default scale
// is twips; setScale() gives it user units, e.g. a 12 x 12 grid.
class PictureBox : public QWidget {
    Q_OBJECT
public:
    explicit PictureBox(QWidget* parent = nullptr);

    void setScale(const QRectF& units);
    QPointF toPixels(double x, double y) const;
    void clear();

    // Drawing state the helpers set before they draw.
    void setDrawWidth(int width) { drawWidth_ = width; }
    void setFontSize(double points) { fontSize_ = points; }
    void setForeColor(int colourValue) { foreColor_ = colourValue; }

    void line(double x1, double y1, double x2, double y2);
    void print(double x, double y, const QString& text);

    const QImage& canvas() const { return canvas_; }

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    QImage canvas_;
    QRectF scale_;
    bool userScale_ = false;
    int drawWidth_ = 1;
    double fontSize_ = 9;
    int foreColor_ = 0;
};

} // namespace sorvanta::ui
