#include "app/backtest_dialog.hpp"

#include "history/backtest.hpp"
#include "shell/colour_button.hpp"
#include "shell/twips.hpp"

#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QPainter>
#include <QPushButton>
#include <QScrollArea>
#include <QScrollBar>
#include <QStackedWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace sorvanta::ui {

namespace {

constexpr int kGroupGap = 3; // after every ten squares, so they are easy to count

const QColor kHitColour(0xd8, 0x1e, 0x06);
const QColor kMissColour(0xd0, 0xd0, 0xd0);

QString FromUtf8(const std::string& text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Percent(int part, int whole) {
    return whole > 0 ? QString::number(100.0 * part / whole, 'f', 2) + QLatin1Char('%')
                     : QStringLiteral("0.00%");
}

// A cell that sorts by the number it shows, not by its text ("9" < "10").
class NumberItem : public QTableWidgetItem {
public:
    NumberItem(const QString& text, double value) : QTableWidgetItem(text) {
        setData(Qt::UserRole, value);
        setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    }
    bool operator<(const QTableWidgetItem& other) const override {
        return data(Qt::UserRole).toDouble() < other.data(Qt::UserRole).toDouble();
    }
};

QLabel* Figure(const char* name, QWidget* parent) {
    auto* label = new QLabel(QStringLiteral("0"), parent);
    label->setObjectName(QString::fromLatin1(name));
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    label->setTextInteractionFlags(Qt::TextSelectableByMouse);
    return label;
}

} // namespace

QString ModeName(Mode mode) {
    return mode == Mode::Two     ? QStringLiteral("二星")
           : mode == Mode::Three ? QStringLiteral("三星")
                                 : QStringLiteral("四星");
}

HitStrip::HitStrip(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("backtestStrip"));
    setAttribute(Qt::WA_OpaquePaintEvent, false);
}

void HitStrip::setOutcomes(std::vector<scheme::DrawOutcome> outcomes) {
    outcomes_ = std::move(outcomes);
    updateGeometry();
    adjustSize();
    update();
}

int HitStrip::cell() const {
    return qMax(6, twips(120));
}

QRect HitStrip::cellRect(int index) const {
    const int pitch = cell() + 1;
    const int column = index % kPerRow;
    const int row = index / kPerRow;
    return {1 + column * pitch + (column / 10) * kGroupGap, 1 + row * pitch, cell(), cell()};
}

int HitStrip::outcomeAt(QPoint point) const {
    const int pitch = cell() + 1;
    const int row = (point.y() - 1) / pitch;
    if (point.y() < 1 || row < 0)
        return -1;
    // The column, allowing for the gap after every ten squares.
    for (int column = 0; column < kPerRow; ++column) {
        const int index = row * kPerRow + column;
        if (index >= static_cast<int>(outcomes_.size()))
            return -1;
        if (cellRect(index).contains(point))
            return index;
    }
    return -1;
}

QSize HitStrip::sizeHint() const {
    const int rows = qMax(1, (static_cast<int>(outcomes_.size()) + kPerRow - 1) / kPerRow);
    const QRect last = cellRect(kPerRow - 1);
    return {last.right() + 2, rows * (cell() + 1) + 1};
}

QSize HitStrip::minimumSizeHint() const {
    return sizeHint();
}

void HitStrip::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    for (std::size_t i = 0; i < outcomes_.size(); ++i)
        painter.fillRect(cellRect(static_cast<int>(i)),
                         outcomes_[i].hit ? kHitColour : kMissColour);
}

bool HitStrip::event(QEvent* event) {
    if (event->type() != QEvent::ToolTip)
        return QWidget::event(event);
    auto* help = static_cast<QHelpEvent*>(event);
    const int index = outcomeAt(help->pos());
    if (index < 0) {
        QToolTip::hideText();
        event->ignore();
        return true;
    }
    const scheme::DrawOutcome& o = outcomes_[static_cast<std::size_t>(index)];
    QString text = QStringLiteral("近第%1期　期号%2　开奖%3　号码%4　")
                       .arg(index + 1)
                       .arg(FromUtf8(o.period), FromUtf8(o.draw), FromUtf8(o.number));
    if (o.hit) {
        text += QStringLiteral("命中");
    } else {
        QStringList names;
        for (const std::string& name : o.groups)
            names << FromUtf8(name);
        text += names.isEmpty() ? QStringLiteral("未中")
                                : QStringLiteral("未中，标记它的条件：") + names.join(u'、');
    }
    QToolTip::showText(help->globalPos(), text, this, cellRect(index));
    return true;
}

BacktestDialog::BacktestDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("backtestDialog"));
    setWindowTitle(QStringLiteral("方案回测"));
    auto* v = new QVBoxLayout(this);

    caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("backtestSource"));
    caption->setWordWrap(true);
    v->addWidget(caption);

    auto* positionRow = new QHBoxLayout;
    positionRow->setSpacing(2);
    positionRow->addWidget(new QLabel(QStringLiteral("号码位置"), this));
    for (std::size_t k = 0; k < 5; ++k) {
        auto* b = new ColourButton(FromUtf8(std::string(history::kPositionNames[k])), this);
        b->setObjectName(QStringLiteral("backtestPosition_%1").arg(k));
        b->setMinimumWidth(qMax(b->minimumSizeHint().width(), twips(420)));
        connect(b, &QPushButton::clicked, this, [this, b] {
            b->setBackColor(b->isOn() ? Colour::Off : Colour::On);
            rerun();
        });
        positionButtons[k] = b;
        positionRow->addWidget(b);
    }
    positionNote = new QLabel(this);
    positionNote->setObjectName(QStringLiteral("backtestPositionNote"));
    positionRow->addSpacing(6);
    positionRow->addWidget(positionNote);
    positionRow->addStretch(1);
    v->addLayout(positionRow);

    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("backtestPages"));

    auto* resultPage = new QWidget(pages);
    auto* rv = new QVBoxLayout(resultPage);
    rv->setContentsMargins(0, 0, 0, 0);
    auto* summary = new QGridLayout;
    summary->setHorizontalSpacing(twips(150));
    bets = Figure("backtestBets", resultPage);
    betShare = Figure("backtestBetShare", resultPage);
    draws = Figure("backtestDraws", resultPage);
    hits = Figure("backtestHits", resultPage);
    hitRate = Figure("backtestHitRate", resultPage);
    longestHits = Figure("backtestLongestHits", resultPage);
    longestMisses = Figure("backtestLongestMisses", resultPage);
    const struct {
        const char* caption;
        QLabel* value;
        int row, column;
    } figures[] = {
        {"注数", bets, 0, 0},
        {"注数占比", betShare, 0, 2},
        {"回测期数", draws, 1, 0},
        {"命中期数", hits, 1, 2},
        {"命中率", hitRate, 2, 0},
        {"最长连中（期）", longestHits, 3, 0},
        {"最长连挂（期）", longestMisses, 3, 2},
    };
    for (const auto& f : figures) {
        summary->addWidget(new QLabel(QString::fromUtf8(f.caption), resultPage), f.row, f.column);
        summary->addWidget(f.value, f.row, f.column + 1);
    }
    auto* rateNote =
        new QLabel(QStringLiteral("命中率高于注数占比，条件才胜过随机选号"), resultPage);
    rateNote->setStyleSheet(QStringLiteral("color: #606060;"));
    summary->addWidget(rateNote, 2, 2, 1, 2);
    summary->setColumnStretch(4, 1);
    rv->addLayout(summary);

    rv->addWidget(new QLabel(QStringLiteral("各条件组标记的开奖号码（点表头排序）"), resultPage));
    groups = new QTableWidget(0, 4, resultPage);
    groups->setObjectName(QStringLiteral("backtestGroups"));
    groups->setHorizontalHeaderLabels({QStringLiteral("序号"), QStringLiteral("条件组"),
                                       QStringLiteral("标记号码数"), QStringLiteral("占回测期数")});
    groups->verticalHeader()->hide();
    groups->setEditTriggers(QAbstractItemView::NoEditTriggers);
    groups->setSelectionBehavior(QAbstractItemView::SelectRows);
    groups->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
    groups->horizontalHeader()->setSortIndicator(0, Qt::AscendingOrder);
    groups->setSortingEnabled(true);
    groups->setMinimumHeight(twips(1800));
    rv->addWidget(groups, 1);

    auto* legend = new QHBoxLayout;
    legend->addWidget(
        new QLabel(QStringLiteral("命中走势（最新一期在左上，每行50期）"), resultPage));
    legend->addStretch(1);
    for (const auto& [text, colour] :
         {std::pair{"命中", kHitColour}, std::pair{"未中", kMissColour}}) {
        auto* swatch = new QLabel(resultPage);
        swatch->setFixedSize(twips(150), twips(150));
        swatch->setStyleSheet(QStringLiteral("background: %1;").arg(colour.name()));
        legend->addWidget(swatch);
        legend->addWidget(new QLabel(QString::fromUtf8(text), resultPage));
    }
    rv->addLayout(legend);
    strip = new HitStrip(resultPage);
    auto* scroll = stripArea_ = new QScrollArea(resultPage);
    scroll->setObjectName(QStringLiteral("backtestStripArea"));
    scroll->setWidget(strip);
    scroll->setWidgetResizable(false);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    scroll->setMinimumWidth(strip->sizeHint().width() +
                            scroll->verticalScrollBar()->sizeHint().width() +
                            2 * scroll->frameWidth() + 4);
    rv->addWidget(scroll);
    pages->addWidget(resultPage);

    auto* messagePage = new QWidget(pages);
    auto* mv = new QVBoxLayout(messagePage);
    message = new QLabel(messagePage);
    message->setObjectName(QStringLiteral("backtestMessage"));
    message->setWordWrap(true);
    message->setAlignment(Qt::AlignCenter);
    mv->addStretch(1);
    mv->addWidget(message);
    importButton = new QPushButton(QStringLiteral("导入开奖"), messagePage);
    importButton->setObjectName(QStringLiteral("backtestImport"));
    importButton->setAutoDefault(false);
    connect(importButton, &QPushButton::clicked, this, &BacktestDialog::importRequested);
    mv->addWidget(importButton, 0, Qt::AlignCenter);
    mv->addStretch(1);
    pages->addWidget(messagePage);
    v->addWidget(pages, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    v->addWidget(buttons);
    // Room for a four-star table of a dozen groups without scrolling.
    resize(sizeHint().expandedTo(QSize(twips(8400), twips(9600))));
}

void BacktestDialog::setScheme(const scheme::Scheme& scheme, bool defaultPositions) {
    scheme_ = scheme;
    if (defaultPositions) {
        const history::PositionSelection chosen = scheme::DefaultPositions(scheme.mode);
        for (int k = 0; k < 5; ++k)
            positionButtons[static_cast<std::size_t>(k)]->setBackColor(
                chosen.Selected(k) ? Colour::On : Colour::Off);
    }
}

void BacktestDialog::setDraws(const history::HistoryState* history, const QString& source) {
    history_ = history;
    source_ = source;
}

std::array<bool, 5> BacktestDialog::positions() const {
    std::array<bool, 5> chosen{};
    for (std::size_t k = 0; k < 5; ++k)
        chosen[k] = positionButtons[k]->isOn();
    return chosen;
}

void BacktestDialog::rerun() {
    result_.reset();
    if (!scheme_)
        return;
    const Mode mode = scheme_->mode;
    const int rows = history_ ? history::RowsOfLine(history_->HistoryLine) : 0;
    caption->setText(QStringLiteral("按下“方案回测”时%1面板的条件，对%2已存的开奖号码回测"
                                    "（最多最近%3期）")
                         .arg(ModeName(mode), source_)
                         .arg(rows));
    const std::array<bool, 5> chosen = positions();
    const int count = static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
    positionNote->setText(QStringLiteral("须选%1个").arg(Width(mode)));
    if (count != Width(mode)) {
        showMessage(QStringLiteral("%1要选%2个号码位置，现在选了%3个。")
                        .arg(ModeName(mode))
                        .arg(Width(mode))
                        .arg(count),
                    false);
        return;
    }
    if (!history_ || history_->draws.Empty()) {
        showMessage(QStringLiteral("%1还没有开奖数据，无法回测。\n请先导入开奖数据，"
                                   "或设置数据源后等待采集。")
                        .arg(source_),
                    true);
        return;
    }
    scheme::SchemeBacktestOptions options;
    options.positions = history::SelectionOf(chosen);
    options.history_line = history_->HistoryLine == 2 ? 2 : 1;
    try {
        result_ = scheme::RunSchemeBacktest(*scheme_, history_->draws, options);
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()), false);
        return;
    }
    showResult(*result_);
}

void BacktestDialog::showMessage(const QString& text, bool offerImport) {
    message->setText(text);
    importButton->setVisible(offerImport);
    strip->setOutcomes({});
    groups->setRowCount(0);
    pages->setCurrentIndex(1);
}

void BacktestDialog::showResult(const scheme::SchemeBacktest& result) {
    bets->setText(QString::number(result.bets));
    betShare->setText(Percent(result.bets, result.candidates));
    draws->setText(QString::number(result.draws));
    hits->setText(QString::number(result.hits));
    hitRate->setText(Percent(result.hits, result.draws));
    longestHits->setText(QString::number(result.longest_hits));
    longestMisses->setText(QString::number(result.longest_misses));

    // Filled unsorted, then sorted once by whatever column the player chose.
    groups->setSortingEnabled(false);
    groups->setRowCount(static_cast<int>(result.groups.size()));
    for (int row = 0; row < static_cast<int>(result.groups.size()); ++row) {
        const scheme::GroupMarks& g = result.groups[static_cast<std::size_t>(row)];
        groups->setItem(row, 0, new NumberItem(QString::number(row + 1), row + 1));
        groups->setItem(row, 1, new QTableWidgetItem(FromUtf8(g.name)));
        groups->setItem(row, 2, new NumberItem(QString::number(g.marked), g.marked));
        const double share = result.draws > 0 ? static_cast<double>(g.marked) / result.draws : 0;
        groups->setItem(row, 3, new NumberItem(Percent(g.marked, result.draws), share));
    }
    groups->setSortingEnabled(true);
    groups->resizeColumnToContents(0);
    groups->resizeColumnToContents(2);
    groups->resizeColumnToContents(3);

    strip->setOutcomes(result.outcomes);
    // As tall as the squares need, up to a few rows; more scroll.
    stripArea_->setFixedHeight(qMin(strip->sizeHint().height(), twips(1500)) +
                               2 * stripArea_->frameWidth());
    pages->setCurrentIndex(0);
}

} // namespace sorvanta::ui
