#pragma once

#include "common/mode.hpp"
#include "history/trend_figures.hpp"

#include <QAbstractScrollArea>
#include <QDialog>
#include <QStaticText>

#include <vector>

class QLabel;

namespace sorvanta::ui {

// The trend chart (走势图) itself: one row per draw, oldest at the top, the
// period, the draw, ten cells per position 万 to 个 holding the digit's
// omission (the digit in a filled circle where it came, the circles of a
// position joined by a line), the sum and span of the mode's positions, and
// the four summary rows fixed under the rows. Only the rows in view are
// painted, so thousands of draws scroll as fast as a few.
class TrendChart : public QAbstractScrollArea {
    Q_OBJECT
public:
    explicit TrendChart(QWidget* parent = nullptr);

    // Works the figures out and shows the latest draw (the bottom).
    void setDraws(const history::HistoryState& state, Mode mode);

    const history::TrendChart& figures() const { return chart_; }
    int rowCount() const { return static_cast<int>(chart_.rows.size()); }
    // The draw rows the last paint drew, first and last (oldest = 0); -1
    // when none.
    int firstPaintedRow() const { return firstPainted_; }
    int lastPaintedRow() const { return lastPainted_; }
    // The text of a summary cell: row 0 出现次数 … 3 最大连出, position 0..4.
    QString summaryText(int row, int position, int digit) const;
    // Room for every column and a screenful of rows.
    QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    void changeEvent(QEvent* event) override;

private:
    void measure();
    void updateScrollBars();
    int bodyTop() const { return 2 * rowHeight_; }
    int bodyHeight() const;
    int cellX(int position, int digit) const;
    int totalWidth() const;
    // A figure of the small font laid out once: a screen of omission
    // figures is a thousand texts, too many to lay out at every paint.
    const QStaticText& figure(int value);

    history::TrendChart chart_;
    Mode mode_ = Mode::Four;
    int rowHeight_ = 18;
    int cellWidth_ = 20;
    int periodWidth_ = 100;
    int drawWidth_ = 50;
    int figureWidth_ = 32;
    int firstPainted_ = -1;
    int lastPainted_ = -1;
    std::vector<QStaticText> figures_;
};

// The window around it: which draws it shows, resizable, on its own beside
// the main window.
class TrendWindow : public QDialog {
    Q_OBJECT
public:
    explicit TrendWindow(QWidget* parent = nullptr);
    void setDraws(const history::HistoryState& state, Mode mode, const QString& source);

    QLabel* caption;
    QLabel* message;
    TrendChart* chart;

signals:
    void helpRequested();
};

} // namespace sorvanta::ui
