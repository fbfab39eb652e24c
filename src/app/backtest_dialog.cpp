#include "app/backtest_dialog.hpp"

#include "history/backtest.hpp"
#include "history/purse.hpp"
#include "shell/colour_button.hpp"
#include "shell/from_utf8.hpp"
#include "shell/help_topics.hpp"
#include "shell/message_box.hpp"
#include "shell/twips.hpp"

#include <QChart>
#include <QCursor>
#include <QDialogButtonBox>
#include <QEvent>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QHelpEvent>
#include <QLabel>
#include <QLineEdit>
#include <QLineSeries>
#include <QPainter>
#include <QPushButton>
#include <QScatterSeries>
#include <QScreen>
#include <QScrollArea>
#include <QScrollBar>
#include <QSettings>
#include <QStackedWidget>
#include <QTabWidget>
#include <QTableWidget>
#include <QToolTip>
#include <QVBoxLayout>
#include <QValueAxis>

#include <algorithm>
#include <cmath>
#include <exception>

namespace sorvanta::ui {

namespace {

constexpr int kGroupGap = 3; // after every ten squares, so they are easy to count

const QColor kHitColour(0xd8, 0x1e, 0x06);
const QColor kMissColour(0xd0, 0xd0, 0xd0);

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

QString Yuan(history::Fen fen) {
    return QString::fromStdString(history::FormatYuan(fen));
}

QString SettingsKey(Mode mode, const char* field) {
    return QStringLiteral("backtest/%1/%2")
        .arg(QString::fromLatin1(Name(mode).data()), QString::fromLatin1(field));
}

// A field's refusal in the player's words; empty when the value is good.
QString AmountRefusal(const QString& field, history::MoneyProblem problem) {
    using history::MoneyProblem;
    switch (problem) {
    case MoneyProblem::None:
        return {};
    case MoneyProblem::TooManyDecimals:
        return QStringLiteral("%1最多两位小数（精确到分）").arg(field);
    case MoneyProblem::NotPositive:
        return QStringLiteral("%1须大于0").arg(field);
    case MoneyProblem::TooLarge:
        return QStringLiteral("%1不能超过1000000000元").arg(field);
    default:
        return QStringLiteral("%1应为金额，如2或1.50").arg(field);
    }
}

QString PlanRefusal(const history::PlanReading& reading) {
    using history::MoneyProblem;
    const QString piece = QString::fromStdString(reading.piece);
    switch (reading.problem) {
    case MoneyProblem::None:
        return {};
    case MoneyProblem::NotPositive:
        return QStringLiteral("倍投计划的倍数须为1或更大（「%1」）").arg(piece);
    case MoneyProblem::TooLarge:
        return QStringLiteral("倍投计划的倍数不能超过100000（「%1」）").arg(piece);
    case MoneyProblem::TooManySteps:
        return QStringLiteral("倍投计划最多100个倍数");
    default:
        return piece.isEmpty()
                   ? QStringLiteral("倍投计划应为用逗号隔开的整数，如1,2,4,8")
                   : QStringLiteral("倍投计划中的「%1」不是整数，应写成如1,2,4,8").arg(piece);
    }
}

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
    QString text = QStringLiteral("最近第%1期　期号%2　开奖%3　号码%4　")
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

BalanceChart::BalanceChart(QWidget* parent) : QChartView(parent) {
    setObjectName(QStringLiteral("backtestChart"));
    setRenderHint(QPainter::Antialiasing);
    auto* c = new QChart;
    c->legend()->hide();
    c->setMargins(QMargins(2, 2, 2, 2));
    c->setBackgroundRoundness(0);
    balance_ = new QLineSeries(c);
    balance_->setName(QStringLiteral("余额"));
    balance_->setPen(QPen(QColor(0x1f, 0x5f, 0xbf), 1.5));
    zero_ = new QLineSeries(c);
    zero_->setPen(QPen(QColor(0x80, 0x80, 0x80), 1, Qt::DashLine));
    lowestMark_ = new QScatterSeries(c);
    lowestMark_->setMarkerSize(9);
    lowestMark_->setColor(kHitColour);
    lowestMark_->setBorderColor(kHitColour);
    lowestMark_->setPointLabelsFormat(QStringLiteral("最低 @yPoint"));
    lowestMark_->setPointLabelsVisible(true);
    lowestMark_->setPointLabelsClipping(false);
    for (QAbstractSeries* series :
         {static_cast<QAbstractSeries*>(zero_), static_cast<QAbstractSeries*>(balance_),
          static_cast<QAbstractSeries*>(lowestMark_)})
        c->addSeries(series);
    auto* x = new QValueAxis(c);
    x->setLabelFormat(QStringLiteral("%d"));
    x->setTitleText(QStringLiteral("回测期数（最早的一期在左）"));
    auto* y = new QValueAxis(c);
    y->setLabelFormat(QStringLiteral("%.0f"));
    y->setTitleText(QStringLiteral("余额（元）"));
    c->addAxis(x, Qt::AlignBottom);
    c->addAxis(y, Qt::AlignLeft);
    for (QAbstractSeries* series : c->series()) {
        series->attachAxis(x);
        series->attachAxis(y);
    }
    setChart(c);
    setMinimumHeight(twips(2700));
    const auto hover = [this](const QPointF& point, bool state) {
        if (!state) {
            QToolTip::hideText();
            return;
        }
        const QString text = toolTipOf(stepNear(point));
        if (!text.isEmpty())
            QToolTip::showText(QCursor::pos(), text, this);
    };
    connect(balance_, &QLineSeries::hovered, this, hover);
    connect(lowestMark_, &QScatterSeries::hovered, this, hover);
    clear();
}

void BalanceChart::clear() {
    steps_.clear();
    lowest_ = -1;
    balance_->clear();
    zero_->clear();
    lowestMark_->clear();
}

int BalanceChart::points() const {
    return static_cast<int>(balance_->count());
}

void BalanceChart::setResult(const scheme::SchemeBacktest& result) {
    clear();
    if (!result.purse || result.purse->steps.empty())
        return;
    const std::vector<history::PurseStep>& purse = result.purse->steps;
    const std::size_t n = purse.size();
    steps_.reserve(n);
    QList<QPointF> points;
    points.reserve(static_cast<qsizetype>(n));
    double low = 0;
    double high = 0;
    for (std::size_t k = 0; k < n; ++k) {
        // The outcomes run latest first, the purse oldest first.
        const scheme::DrawOutcome& outcome = result.outcomes[n - 1 - k];
        const history::PurseStep& step = purse[k];
        steps_.push_back(
            {FromUtf8(outcome.period), outcome.hit, step.multiplier, Yuan(step.balance)});
        // Display only: the sums stay exact in fen.
        const double yuan = static_cast<double>(step.balance) / history::kFenPerYuan;
        points.append(QPointF(static_cast<double>(k + 1), yuan));
        if (lowest_ < 0 || step.balance < purse[static_cast<std::size_t>(lowest_)].balance)
            lowest_ = static_cast<int>(k);
        low = std::min(low, yuan);
        high = std::max(high, yuan);
    }
    balance_->replace(points);
    zero_->replace({QPointF(1, 0), QPointF(static_cast<double>(n), 0)});
    lowestMark_->append(points[lowest_]);
    const double pad = std::max(1.0, (high - low) * 0.08);
    auto* x = static_cast<QValueAxis*>(chart()->axes(Qt::Horizontal).front());
    auto* y = static_cast<QValueAxis*>(chart()->axes(Qt::Vertical).front());
    x->setRange(1, std::max<double>(2, static_cast<double>(n)));
    y->setRange(low - pad, high + pad);
    x->applyNiceNumbers();
    y->applyNiceNumbers();
}

QString BalanceChart::toolTipOf(int step) const {
    if (step < 0 || step >= static_cast<int>(steps_.size()))
        return {};
    const Step& s = steps_[static_cast<std::size_t>(step)];
    return QStringLiteral("期号%1　%2　倍数%3　余额%4元")
        .arg(s.period, s.hit ? QStringLiteral("中") : QStringLiteral("挂"))
        .arg(s.multiplier)
        .arg(s.balance);
}

int BalanceChart::stepNear(QPointF value) const {
    if (steps_.empty())
        return -1;
    const double k = std::round(value.x()) - 1;
    return static_cast<int>(std::clamp(k, 0.0, static_cast<double>(steps_.size() - 1)));
}

QHBoxLayout* PositionChoice(QWidget* owner, const QString& prefix,
                            std::array<ColourButton*, 5>& buttons, QLabel*& note,
                            const std::function<void()>& changed) {
    auto* row = new QHBoxLayout;
    row->setSpacing(2);
    row->addWidget(new QLabel(QStringLiteral("号码位置"), owner));
    for (std::size_t k = 0; k < 5; ++k) {
        auto* b = new ColourButton(FromUtf8(history::kPositionNames[k]), owner);
        b->setObjectName(QStringLiteral("%1Position_%2").arg(prefix).arg(k));
        b->setMinimumWidth(qMax(b->minimumSizeHint().width(), twips(420)));
        QObject::connect(b, &QPushButton::clicked, owner, [b, changed] {
            b->setBackColor(b->isOn() ? Colour::Off : Colour::On);
            changed();
        });
        buttons[k] = b;
        row->addWidget(b);
    }
    note = new QLabel(owner);
    note->setObjectName(prefix + QStringLiteral("PositionNote"));
    row->addSpacing(6);
    row->addWidget(note);
    return row;
}

BacktestDialog::BacktestDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("backtestDialog"));
    setWindowTitle(QStringLiteral("方案回测"));
    auto* outer = new QVBoxLayout(this);
    // Everything but the close button scrolls, so the dialog can shrink to a
    // small screen at any scale.
    body_ = new QScrollArea(this);
    body_->setObjectName(QStringLiteral("backtestBody"));
    body_->setWidgetResizable(true);
    body_->setFrameShape(QFrame::NoFrame);
    auto* content = new QWidget(body_);
    auto* v = new QVBoxLayout(content);
    v->setContentsMargins(0, 0, 0, 0);

    caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("backtestSource"));
    caption->setWordWrap(true);
    v->addWidget(caption);
    QHBoxLayout* positionRow = PositionChoice(this, QStringLiteral("backtest"), positionButtons,
                                              positionNote, [this] { rerun(); });
    positionRow->addStretch(1);
    v->addLayout(positionRow);

    pages = new QStackedWidget(this);
    pages->setObjectName(QStringLiteral("backtestPages"));
    pages->addWidget(buildResultPage());
    pages->addWidget(buildMessagePage());
    v->addWidget(pages, 1);
    body_->setWidget(content);
    outer->addWidget(body_, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    outer->addWidget(buttons);
    // Room for the money, the chart and a four-star table of a dozen groups
    // without scrolling, where the screen has it.
    const QSize whole =
        content->sizeHint() +
        QSize(outer->contentsMargins().left() * 2,
              buttons->sizeHint().height() + outer->spacing() + outer->contentsMargins().top() * 2);
    resize(whole.expandedTo(QSize(twips(8400), twips(9600))));
}

// The figures, the money, the chart and group table, and the hit strip.
QWidget* BacktestDialog::buildResultPage() {
    auto* resultPage = new QWidget(pages);
    auto* rv = new QVBoxLayout(resultPage);
    rv->setContentsMargins(0, 0, 0, 0);
    rv->addLayout(buildSummary(resultPage));
    rv->addWidget(buildMoney(resultPage));
    rv->addWidget(buildTabs(resultPage), 1);
    buildHitStrip(resultPage, rv);
    return resultPage;
}

QGridLayout* BacktestDialog::buildSummary(QWidget* page) {
    auto* summary = new QGridLayout;
    summary->setHorizontalSpacing(twips(150));
    const struct {
        QLabel** value;
        const char* name;
        const char* caption;
        int row, column;
    } figures[] = {
        {&bets, "backtestBets", "注数", 0, 0},
        {&betShare, "backtestBetShare", "注数占比", 0, 2},
        {&draws, "backtestDraws", "回测期数", 1, 0},
        {&hits, "backtestHits", "命中期数", 1, 2},
        {&hitRate, "backtestHitRate", "命中率", 2, 0},
        {&longestHits, "backtestLongestHits", "最长连中（期）", 3, 0},
        {&longestMisses, "backtestLongestMisses", "最长连挂（期）", 3, 2},
    };
    for (const auto& f : figures) {
        *f.value = Figure(f.name, page);
        summary->addWidget(new QLabel(QString::fromUtf8(f.caption), page), f.row, f.column);
        summary->addWidget(*f.value, f.row, f.column + 1);
    }
    rateNote = new QLabel(QStringLiteral("命中率高于注数占比，条件才胜过随机选号"), page);
    rateNote->setObjectName(QStringLiteral("backtestRateNote"));
    rateNote->setStyleSheet(QStringLiteral("color: #606060;"));
    summary->addWidget(rateNote, 2, 2, 1, 2);
    summary->setColumnStretch(4, 1);
    return summary;
}

// The price, prize and plan fields over the seven money figures.
QGroupBox* BacktestDialog::buildMoney(QWidget* page) {
    auto* money = new QGroupBox(QStringLiteral("投注与倍投（按期从早到晚投注）"), page);
    money->setObjectName(QStringLiteral("backtestMoney"));
    auto* mg = new QGridLayout(money);
    mg->setHorizontalSpacing(twips(120));
    const auto field = [&](const char* name, const QString& tip) {
        auto* edit = new QLineEdit(money);
        edit->setObjectName(QString::fromLatin1(name));
        edit->setToolTip(tip);
        edit->setMinimumWidth(twips(1000));
        connect(edit, &QLineEdit::textChanged, this, [this] { moneyChanged(); });
        return edit;
    };
    price = field("backtestPrice", QStringLiteral("每注多少元，最多两位小数"));
    prize = field("backtestPrize", QStringLiteral("1倍时中一次得多少元"));
    plan =
        field("backtestPlan", QStringLiteral("不中加到下一个倍数（最后一个重复），中了回到第一个"));
    auto* fields = new QHBoxLayout;
    for (const auto& [text, edit] : {std::pair{"单价（元/注）", price},
                                     std::pair{"奖金（元）", prize}, std::pair{"倍投计划", plan}}) {
        fields->addWidget(new QLabel(QString::fromUtf8(text), money));
        fields->addWidget(edit, edit == plan ? 2 : 1);
    }
    moneyHelp = new QPushButton(QStringLiteral("说明"), money);
    moneyHelp->setObjectName(QStringLiteral("backtestMoneyHelp"));
    moneyHelp->setAutoDefault(false);
    connect(moneyHelp, &QPushButton::clicked, this, [this] {
        HelpTopics help;
        help.load();
        const QString key = QStringLiteral("方案回测_资金");
        MessageBox::information(this, help.title(key), help.topic(key));
    });
    fields->addWidget(moneyHelp);
    mg->addLayout(fields, 0, 0, 1, 8);
    moneyRefusal = new QLabel(money);
    moneyRefusal->setObjectName(QStringLiteral("backtestMoneyRefusal"));
    moneyRefusal->setStyleSheet(QStringLiteral("color: #c00000;"));
    moneyRefusal->setWordWrap(true);
    moneyRefusal->hide();
    mg->addWidget(moneyRefusal, 1, 0, 1, 8);
    const struct {
        QLabel** value;
        const char* name;
        const char* caption;
    } moneyFigures[] = {
        {&cost, "backtestCost", "投入"},
        {&paid, "backtestReturn", "回报"},
        {&profit, "backtestProfit", "盈亏"},
        {&returnRate, "backtestReturnRate", "回报率"},
        {&lowestBalance, "backtestLowestBalance", "最低余额"},
        {&maxDrawdown, "backtestMaxDrawdown", "最大回撤"},
        {&highestMultiplier, "backtestHighestMultiplier", "最高倍数"},
    };
    for (int k = 0; k < 7; ++k) {
        *moneyFigures[k].value = Figure(moneyFigures[k].name, money);
        mg->addWidget(new QLabel(QString::fromUtf8(moneyFigures[k].caption), money), 2 + k / 4,
                      2 * (k % 4));
        mg->addWidget(*moneyFigures[k].value, 2 + k / 4, 2 * (k % 4) + 1);
    }
    highestNeeds = new QLabel(money);
    highestNeeds->setObjectName(QStringLiteral("backtestHighestNeeds"));
    highestNeeds->setStyleSheet(QStringLiteral("color: #606060;"));
    mg->addWidget(highestNeeds, 3, 6, 1, 2);
    return money;
}

// The balance chart and the table of what each condition group marked.
QTabWidget* BacktestDialog::buildTabs(QWidget* resultPage) {
    auto* tabs = new QTabWidget(resultPage);
    tabs->setObjectName(QStringLiteral("backtestTabs"));
    chart = new BalanceChart(tabs);
    tabs->addTab(chart, QStringLiteral("余额走势"));
    auto* groupsPage = new QWidget(tabs);
    auto* gv = new QVBoxLayout(groupsPage);
    gv->setContentsMargins(2, 2, 2, 2);
    gv->addWidget(new QLabel(QStringLiteral("各条件组标记的开奖号码（点表头排序）"), groupsPage));
    groups = new QTableWidget(0, 4, groupsPage);
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
    gv->addWidget(groups, 1);
    tabs->addTab(groupsPage, QStringLiteral("条件组标记"));
    return tabs;
}

// The legend over the strip of hits and misses, latest first.
void BacktestDialog::buildHitStrip(QWidget* resultPage, QVBoxLayout* rv) {
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
}

// Shown instead of the result when there is nothing to test.
QWidget* BacktestDialog::buildMessagePage() {
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
    return messagePage;
}

void BacktestDialog::fitInto(const QRect& available) {
    // The title bar and frame are outside the widget's size.
    const int frame = qMax(0, frameGeometry().height() - geometry().height());
    const int frameAllowance = frame > 0 ? frame : 40;
    const QSize most(available.width() - 8, available.height() - frameAllowance);
    const QSize fitted = size().boundedTo(most);
    if (fitted != size())
        resize(fitted);
    QRect place = frameGeometry();
    place.moveLeft(std::clamp(place.left(), available.left(),
                              qMax(available.left(), available.right() - place.width() + 1)));
    place.moveTop(std::clamp(place.top(), available.top(),
                             qMax(available.top(), available.bottom() - place.height() + 1)));
    if (place.topLeft() != frameGeometry().topLeft())
        move(place.topLeft());
}

void BacktestDialog::showEvent(QShowEvent* event) {
    QDialog::showEvent(event);
    if (const QScreen* s = screen())
        fitInto(s->availableGeometry());
}

void BacktestDialog::setScheme(const scheme::Scheme& scheme, bool defaultPositions) {
    scheme_ = scheme;
    loadMoneyFields(scheme.mode);
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
    showMoney();
}

void BacktestDialog::loadMoneyFields(Mode mode) {
    if (moneyMode_ == mode)
        return;
    moneyMode_ = mode;
    const QSettings settings;
    const QString defaultPrize =
        QString::number(history::DefaultPrize(mode) / history::kFenPerYuan);
    loadingMoney_ = true;
    price->setText(settings.value(SettingsKey(mode, "price"), QStringLiteral("2")).toString());
    prize->setText(settings.value(SettingsKey(mode, "prize"), defaultPrize).toString());
    plan->setText(settings.value(SettingsKey(mode, "plan"), QStringLiteral("1")).toString());
    loadingMoney_ = false;
}

void BacktestDialog::moneyChanged() {
    if (loadingMoney_ || !moneyMode_)
        return;
    // Kept as typed, a refused value included: nothing the player typed is lost.
    QSettings settings;
    settings.setValue(SettingsKey(*moneyMode_, "price"), price->text());
    settings.setValue(SettingsKey(*moneyMode_, "prize"), prize->text());
    settings.setValue(SettingsKey(*moneyMode_, "plan"), plan->text());
    showMoney();
}

void BacktestDialog::showMoney() {
    if (!result_)
        return;
    const history::AmountReading p = history::ReadYuan(price->text().toStdString());
    const history::AmountReading w = history::ReadYuan(prize->text().toStdString());
    const history::PlanReading m = history::ReadPlan(plan->text().toStdString());
    QStringList refusals;
    for (const QString& refusal :
         {AmountRefusal(QStringLiteral("单价"), p.problem),
          AmountRefusal(QStringLiteral("奖金"), w.problem), PlanRefusal(m)})
        if (!refusal.isEmpty())
            refusals << refusal;
    moneyRefusal->setText(refusals.join(QStringLiteral("；")));
    moneyRefusal->setVisible(!refusals.isEmpty());
    if (!refusals.isEmpty()) {
        result_->purse.reset();
        for (QLabel* figure :
             {cost, paid, profit, returnRate, lowestBalance, maxDrawdown, highestMultiplier})
            figure->setText(QStringLiteral("—"));
        highestNeeds->clear();
        chart->clear();
        return;
    }
    scheme::FollowPurse(*result_, {p.fen, w.fen, m.plan});
    const history::Purse& purse = *result_->purse;
    cost->setText(Yuan(purse.cost));
    paid->setText(Yuan(purse.paid));
    profit->setText(Yuan(purse.Profit()));
    const QString rate = QString::fromStdString(history::FormatReturnRate(purse));
    returnRate->setText(rate == QStringLiteral("-") ? rate : rate + QLatin1Char('%'));
    lowestBalance->setText(Yuan(purse.lowest_balance));
    maxDrawdown->setText(Yuan(purse.max_drawdown));
    highestMultiplier->setText(QString::number(purse.highest_multiplier));
    // What the plan's deepest step asks for in one draw: the warning in money.
    highestNeeds->setText(
        purse.highest_multiplier > 1
            ? QStringLiteral("（该倍数一期投入%1元）")
                  .arg(Yuan(history::Fen(result_->bets) * p.fen * purse.highest_multiplier))
            : QString());
    chart->setResult(*result_);
}

void BacktestDialog::showMessage(const QString& text, bool offerImport) {
    message->setText(text);
    importButton->setVisible(offerImport);
    strip->setOutcomes({});
    groups->setRowCount(0);
    chart->clear();
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
    // Betting every number (or none) hits every draw (or none): the
    // comparison says nothing then.
    rateNote->setVisible(result.draws > 0 && result.bets > 0 && result.bets < result.candidates);

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
