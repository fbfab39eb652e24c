#include "app/trend_chart.hpp"

#include "scheme/scheme_backtest.hpp"
#include "shell/from_utf8.hpp"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGuiApplication>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QVBoxLayout>

#include <algorithm>

namespace sorvanta::ui {

namespace {

constexpr int kSummaryRows = 4;
const char* const kSummaryNames[kSummaryRows] = {"出现次数", "平均遗漏", "最大遗漏", "最大连出"};
const char* const kPositionNames[5] = {"万位", "千位", "百位", "十位", "个位"};

// One colour per position for its circles and the line joining them.
const QColor kPositionColours[5] = {QColor(0xd8, 0x1e, 0x06), QColor(0x1e, 0x6f, 0xd8),
                                    QColor(0x2e, 0x8b, 0x3e), QColor(0x8e, 0x44, 0xad),
                                    QColor(0xd3, 0x6c, 0x0b)};
// Every other position's cells shaded, so a row's ten cells read as one.
const QColor kShade(0xf3, 0xf1, 0xe6);
const QColor kGrid(0xdc, 0xdc, 0xdc);
const QColor kOmissionText(0x9a, 0x9a, 0x9a);
const QColor kHeader(0xe8, 0xee, 0xf6);

QFont SmallFont(const QFont& font) {
    QFont small = font;
    small.setPointSizeF(font.pointSizeF() > 0 ? font.pointSizeF() * 0.85 : 8);
    return small;
}

} // namespace

TrendChart::TrendChart(QWidget* parent) : QAbstractScrollArea(parent) {
    setObjectName(QStringLiteral("trendChart"));
    setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    viewport()->setAttribute(Qt::WA_OpaquePaintEvent);
    measure();
}

void TrendChart::measure() {
    const QFontMetrics fm(font());
    const QFontMetrics small(SmallFont(font()));
    rowHeight_ = fm.height() + 6;
    cellWidth_ = std::max({rowHeight_, small.horizontalAdvance(QStringLiteral("999")) + 6});
    periodWidth_ = fm.horizontalAdvance(QStringLiteral("20261231-120")) + 12;
    drawWidth_ = fm.horizontalAdvance(QStringLiteral("88888")) + 12;
    figureWidth_ = std::max(fm.horizontalAdvance(QStringLiteral("跨度")),
                            fm.horizontalAdvance(QStringLiteral("36"))) +
                   12;
    // The summary names sit under the period and draw columns.
    const int names = fm.horizontalAdvance(QString::fromUtf8(kSummaryNames[0])) + 12;
    if (periodWidth_ + drawWidth_ < names)
        periodWidth_ = names - drawWidth_;
}

const QStaticText& TrendChart::figure(int value) {
    const auto index = static_cast<std::size_t>(std::max(0, value));
    if (index >= figures_.size())
        figures_.resize(index + 1);
    QStaticText& text = figures_[index];
    if (text.text().isEmpty()) {
        text.setText(QString::number(value));
        text.setTextFormat(Qt::PlainText);
        text.prepare(QTransform(), SmallFont(font()));
    }
    return text;
}

void TrendChart::changeEvent(QEvent* event) {
    QAbstractScrollArea::changeEvent(event);
    if (event->type() == QEvent::FontChange) {
        figures_.clear();
        measure();
        updateScrollBars();
    }
}

void TrendChart::setDraws(const history::HistoryState& state, Mode mode) {
    mode_ = mode;
    chart_ = history::ComputeTrend(state, scheme::DefaultPositions(mode));
    updateScrollBars();
    verticalScrollBar()->setValue(verticalScrollBar()->maximum());
    viewport()->update();
}

int TrendChart::bodyHeight() const {
    return std::max(0, viewport()->height() - bodyTop() - kSummaryRows * rowHeight_);
}

int TrendChart::cellX(int position, int digit) const {
    return periodWidth_ + drawWidth_ + (position * 10 + digit) * cellWidth_;
}

int TrendChart::totalWidth() const {
    return cellX(5, 0) + 2 * figureWidth_;
}

QSize TrendChart::sizeHint() const {
    const int frame = 2 * frameWidth();
    return {totalWidth() + verticalScrollBar()->sizeHint().width() + frame,
            (2 + 20 + kSummaryRows) * rowHeight_ + frame};
}

void TrendChart::updateScrollBars() {
    const int content = rowCount() * rowHeight_;
    QScrollBar* v = verticalScrollBar();
    v->setRange(0, std::max(0, content - bodyHeight()));
    v->setPageStep(std::max(rowHeight_, bodyHeight()));
    v->setSingleStep(rowHeight_);
    QScrollBar* h = horizontalScrollBar();
    h->setRange(0, std::max(0, totalWidth() - viewport()->width()));
    h->setPageStep(std::max(1, viewport()->width()));
    h->setSingleStep(cellWidth_);
}

void TrendChart::resizeEvent(QResizeEvent* event) {
    // Stay at the latest draw when the window grows or shrinks there.
    const bool atBottom = verticalScrollBar()->value() == verticalScrollBar()->maximum();
    QAbstractScrollArea::resizeEvent(event);
    updateScrollBars();
    if (atBottom)
        verticalScrollBar()->setValue(verticalScrollBar()->maximum());
}

QString TrendChart::summaryText(int row, int position, int digit) const {
    const history::TrendSummary& s = chart_.summary;
    const history::DigitGrid* grids[kSummaryRows] = {&s.appearances, &s.average_omission,
                                                     &s.longest_omission, &s.longest_run};
    if (row < 0 || row >= kSummaryRows || position < 0 || position > 4 || digit < 0 || digit > 9)
        return {};
    return QString::number(
        (*grids[row])[static_cast<std::size_t>(position)][static_cast<std::size_t>(digit)]);
}

void TrendChart::paintEvent(QPaintEvent*) {
    QPainter painter(viewport());
    const QRect area = viewport()->rect();
    painter.fillRect(area, palette().base());
    painter.translate(-horizontalScrollBar()->value(), 0);
    const int left = horizontalScrollBar()->value();
    const int width = totalWidth();
    const QFont normal = font();
    const QFont small = SmallFont(normal);
    QFont bold = normal;
    bold.setBold(true);
    const int top = bodyTop();
    const int body = bodyHeight();
    const int scroll = verticalScrollBar()->value();

    auto rowY = [&](int row) {
        return top + row * rowHeight_ - scroll;
    };
    auto centre = [&](int row, int position) {
        const int digit = chart_.rows[static_cast<std::size_t>(row)].Digit(position);
        return QPointF(cellX(position, digit) + cellWidth_ / 2.0, rowY(row) + rowHeight_ / 2.0);
    };
    auto shadeColumns = [&](int y, int height) {
        for (int p = 1; p < 5; p += 2)
            painter.fillRect(QRect(cellX(p, 0), y, 10 * cellWidth_, height), kShade);
    };

    // The rows in view, and the one above and below for the joining lines.
    firstPainted_ = lastPainted_ = -1;
    painter.save();
    painter.setClipRect(QRect(left, top, area.width(), body));
    shadeColumns(top, body);
    if (rowCount() > 0 && body > 0) {
        const int first = std::clamp(scroll / rowHeight_, 0, rowCount() - 1);
        const int last = std::clamp((scroll + body) / rowHeight_, 0, rowCount() - 1);
        firstPainted_ = first;
        lastPainted_ = last;
        painter.setPen(kGrid);
        for (int row = first; row <= last + 1; ++row)
            painter.drawLine(0, rowY(row), width, rowY(row));
        for (int row = first; row <= last; ++row) {
            const history::TrendRow& r = chart_.rows[static_cast<std::size_t>(row)];
            const int y = rowY(row);
            painter.setFont(normal);
            painter.setPen(palette().text().color());
            painter.drawText(QRect(0, y, periodWidth_, rowHeight_), Qt::AlignCenter,
                             FromUtf8(r.period));
            painter.drawText(QRect(periodWidth_, y, drawWidth_, rowHeight_), Qt::AlignCenter,
                             FromUtf8(r.draw));
            painter.drawText(QRect(cellX(5, 0), y, figureWidth_, rowHeight_), Qt::AlignCenter,
                             QString::number(r.sum));
            painter.drawText(QRect(cellX(5, 0) + figureWidth_, y, figureWidth_, rowHeight_),
                             Qt::AlignCenter, QString::number(r.span));
            painter.setFont(small);
            painter.setPen(kOmissionText);
            for (int p = 0; p < 5; ++p)
                for (int d = 0; d < 10; ++d) {
                    const int omission =
                        r.omission[static_cast<std::size_t>(p)][static_cast<std::size_t>(d)];
                    if (omission == 0)
                        continue;
                    const QStaticText& text = figure(omission);
                    painter.drawStaticText(
                        QPointF(cellX(p, d) + (cellWidth_ - text.size().width()) / 2,
                                y + (rowHeight_ - text.size().height()) / 2),
                        text);
                }
        }
        painter.setRenderHint(QPainter::Antialiasing);
        const int from = std::max(0, first - 1);
        const int to = std::min(rowCount() - 1, last + 1);
        for (int p = 0; p < 5; ++p) {
            painter.setPen(QPen(kPositionColours[p], 1.5));
            for (int row = from; row < to; ++row)
                painter.drawLine(centre(row, p), centre(row + 1, p));
        }
        const double radius = std::min(cellWidth_, rowHeight_) / 2.0 - 1.5;
        painter.setFont(bold);
        for (int row = first; row <= last; ++row)
            for (int p = 0; p < 5; ++p) {
                const QPointF c = centre(row, p);
                painter.setPen(Qt::NoPen);
                painter.setBrush(kPositionColours[p]);
                painter.drawEllipse(c, radius, radius);
                painter.setPen(Qt::white);
                painter.drawText(
                    QRectF(c.x() - cellWidth_ / 2.0, c.y() - rowHeight_ / 2.0, cellWidth_,
                           rowHeight_),
                    Qt::AlignCenter,
                    QString::number(chart_.rows[static_cast<std::size_t>(row)].Digit(p)));
            }
        painter.setRenderHint(QPainter::Antialiasing, false);
    }
    painter.restore();

    // The heading: the column names, and each position's digits.
    painter.fillRect(QRect(0, 0, width, top), kHeader);
    painter.setPen(palette().text().color());
    painter.setFont(bold);
    const struct {
        const char* text;
        QRect rect;
    } headings[] = {
        {"期号", QRect(0, 0, periodWidth_, top)},
        {"开奖号", QRect(periodWidth_, 0, drawWidth_, top)},
        {"和值", QRect(cellX(5, 0), 0, figureWidth_, top)},
        {"跨度", QRect(cellX(5, 0) + figureWidth_, 0, figureWidth_, top)},
    };
    for (const auto& h : headings)
        painter.drawText(h.rect, Qt::AlignCenter, QString::fromUtf8(h.text));
    for (int p = 0; p < 5; ++p) {
        painter.setFont(bold);
        painter.setPen(kPositionColours[p]);
        painter.drawText(QRect(cellX(p, 0), 0, 10 * cellWidth_, rowHeight_), Qt::AlignCenter,
                         QString::fromUtf8(kPositionNames[p]));
        painter.setFont(normal);
        painter.setPen(palette().text().color());
        for (int d = 0; d < 10; ++d)
            painter.drawText(QRect(cellX(p, d), rowHeight_, cellWidth_, rowHeight_),
                             Qt::AlignCenter, QString::number(d));
    }

    // The summary rows under the draws, over every row of the chart.
    const int footer = top + body;
    painter.fillRect(QRect(0, footer, width, kSummaryRows * rowHeight_), kHeader);
    for (int s = 0; s < kSummaryRows; ++s) {
        const int y = footer + s * rowHeight_;
        painter.setPen(kGrid);
        painter.drawLine(0, y, width, y);
        painter.setFont(bold);
        painter.setPen(palette().text().color());
        painter.drawText(QRect(0, y, periodWidth_ + drawWidth_, rowHeight_), Qt::AlignCenter,
                         QString::fromUtf8(kSummaryNames[s]));
        painter.setFont(small);
        for (int p = 0; p < 5; ++p)
            for (int d = 0; d < 10; ++d)
                painter.drawText(QRect(cellX(p, d), y, cellWidth_, rowHeight_), Qt::AlignCenter,
                                 summaryText(s, p, d));
    }
    // Lines between the positions, from the heading to the summary's end.
    painter.setPen(QColor(0xa0, 0xa0, 0xa0));
    for (int p = 0; p <= 5; ++p)
        painter.drawLine(cellX(p, 0), 0, cellX(p, 0), footer + kSummaryRows * rowHeight_);
    painter.drawLine(periodWidth_, 0, periodWidth_, footer); // the summary names span both
}

TrendWindow::TrendWindow(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("trendWindow"));
    setWindowTitle(QStringLiteral("走势图"));
    setSizeGripEnabled(true);
    setWindowFlag(Qt::WindowMaximizeButtonHint, true);
    auto* v = new QVBoxLayout(this);
    caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("trendSource"));
    caption->setWordWrap(true);
    v->addWidget(caption);
    message = new QLabel(this);
    message->setObjectName(QStringLiteral("trendMessage"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    v->addWidget(message);
    chart = new TrendChart(this);
    v->addWidget(chart, 1);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    QPushButton* help = buttons->addButton(QStringLiteral("说明"), QDialogButtonBox::HelpRole);
    help->setObjectName(QStringLiteral("trendHelp"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &TrendWindow::helpRequested);
    v->addWidget(buttons);

    // As large as the chart wants, within the screen.
    QSize size = sizeHint();
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.95);
    resize(size);
}

void TrendWindow::setDraws(const history::HistoryState& state, Mode mode, const QString& source) {
    chart->setDraws(state, mode);
    QString positions;
    const history::PositionSelection chosen = scheme::DefaultPositions(mode);
    for (int k = 0; k < 5; ++k)
        if (chosen.Selected(k))
            positions += QString::fromUtf8(kPositionNames[k]).left(1);
    caption->setText(QStringLiteral("%1已存的开奖号码，共%2期，最新一期在最下面；"
                                    "格中数字为遗漏期数，和值、跨度按%3计")
                         .arg(source)
                         .arg(chart->rowCount())
                         .arg(positions));
    message->setVisible(chart->rowCount() == 0);
    message->setText(
        QStringLiteral("%1还没有开奖数据。请先导入开奖数据，或设置数据源后等待采集。").arg(source));
}

} // namespace sorvanta::ui
