#include "app/stats_dialog.hpp"

#include "app/backtest_dialog.hpp"
#include "history/backtest.hpp"
#include "shell/colour_button.hpp"
#include "shell/from_utf8.hpp"
#include "shell/twips.hpp"

#include <QComboBox>
#include <QDialogButtonBox>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QScreen>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QVBoxLayout>

#include <algorithm>
#include <exception>

namespace sorvanta::ui {

namespace {

constexpr int kSortRole = Qt::UserRole + 1;
constexpr int kIndexRole = Qt::UserRole + 2;
enum Column { Group, Button, Killed, Expected, Current, LongestSafe, LongestKilled, Last, Columns };

QStandardItem* Item(const QString& text, const QVariant& sortKey, bool number) {
    auto* item = new QStandardItem(text);
    item->setData(sortKey, kSortRole);
    item->setEditable(false);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

StatsDialog::StatsDialog(QWidget* parent) : QDialog(parent) {
    setObjectName(QStringLiteral("statsDialog"));
    setWindowTitle(QStringLiteral("条件统计"));
    setSizeGripEnabled(true);
    auto* v = new QVBoxLayout(this);

    caption = new QLabel(this);
    caption->setObjectName(QStringLiteral("statsSource"));
    caption->setWordWrap(true);
    v->addWidget(caption);

    QHBoxLayout* choices = PositionChoice(this, QStringLiteral("stats"), positionButtons,
                                          positionNote, [this] { rerun(); });
    choices->addSpacing(12);
    choices->addWidget(new QLabel(QStringLiteral("统计期数"), this));
    drawCount = new QComboBox(this);
    drawCount->setObjectName(QStringLiteral("statsDrawCount"));
    for (int n : kDrawCounts)
        drawCount->addItem(n > 0 ? QStringLiteral("近%1期").arg(n) : QStringLiteral("全部"), n);
    drawCount->setCurrentIndex(2); // 近100期
    connect(drawCount, &QComboBox::currentIndexChanged, this, [this] { rerun(); });
    choices->addWidget(drawCount);
    choices->addStretch(1);
    v->addLayout(choices);
    // On a row of its own: a four-star group's name is long.
    auto* filterRow = new QHBoxLayout;
    filterRow->addWidget(new QLabel(QStringLiteral("只看分组"), this));
    groupFilter = new QComboBox(this);
    groupFilter->setObjectName(QStringLiteral("statsGroupFilter"));
    groupFilter->setSizeAdjustPolicy(QComboBox::AdjustToContents);
    filterRow->addWidget(groupFilter);
    filterRow->addStretch(1);
    v->addLayout(filterRow);

    model = new QStandardItemModel(0, Columns, this);
    proxy = new QSortFilterProxyModel(this);
    proxy->setSourceModel(model);
    proxy->setSortRole(kSortRole);
    proxy->setFilterKeyColumn(Group);
    connect(groupFilter, &QComboBox::currentIndexChanged, this, [this](int index) {
        const QString group = index > 0 ? groupFilter->itemText(index) : QString();
        proxy->setFilterRegularExpression(
            group.isEmpty()
                ? QRegularExpression()
                : QRegularExpression(QLatin1Char('^') + QRegularExpression::escape(group) +
                                     QLatin1Char('$')));
    });
    connect(model, &QStandardItemModel::itemChanged, this, [this](QStandardItem* item) {
        if (filling_ || item->column() != Button)
            return;
        const int index = model->item(item->row(), Group)->data(kIndexRole).toInt();
        if (index >= 0 && index < static_cast<int>(checked_.size()))
            checked_[static_cast<std::size_t>(index)] = item->checkState() == Qt::Checked;
    });

    table = new QTableView(this);
    table->setObjectName(QStringLiteral("statsTable"));
    table->setModel(proxy);
    table->setSortingEnabled(true);
    table->sortByColumn(-1, Qt::AscendingOrder);
    table->verticalHeader()->hide();
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setEditTriggers(QAbstractItemView::NoEditTriggers);
    table->setAlternatingRowColors(true);
    table->horizontalHeader()->setSectionResizeMode(QHeaderView::ResizeToContents);
    table->horizontalHeader()->setStretchLastSection(true);
    table->setMinimumHeight(twips(2400));
    v->addWidget(table, 1);

    note = new QLabel(
        QStringLiteral("怎样读：理论杀错 = 期数 × 按钮杀掉的号码数 ÷ 全部号码数，"
                       "是随便杀掉同样多的号码平均会杀错的期数。近N期杀错比理论杀错少得多，"
                       "只说明这个按钮这段时间“冷”，仅此而已：开奖不记得过去，"
                       "它下一期照样可能杀错。比理论杀错多得多的按钮，这段时间杀错偏多。"),
        this);
    note->setObjectName(QStringLiteral("statsNote"));
    note->setWordWrap(true);
    note->setStyleSheet(QStringLiteral("color: #505050;"));
    v->addWidget(note);

    auto* bottom = new QHBoxLayout;
    message = new QLabel(this);
    message->setObjectName(QStringLiteral("statsMessage"));
    message->setWordWrap(true);
    bottom->addWidget(message, 1);
    applyButton = new QPushButton(QStringLiteral("应用到面板"), this);
    applyButton->setObjectName(QStringLiteral("statsApply"));
    applyButton->setAutoDefault(false);
    connect(applyButton, &QPushButton::clicked, this, [this] {
        const std::vector<scheme::Toggle> toggles = checkedToggles();
        if (toggles.empty()) {
            message->setText(QStringLiteral("请先在表中勾选要应用的按钮。"));
            return;
        }
        emit applyRequested(toggles);
    });
    bottom->addWidget(applyButton);
    auto* help = new QPushButton(QStringLiteral("说明"), this);
    help->setObjectName(QStringLiteral("statsHelp"));
    help->setAutoDefault(false);
    connect(help, &QPushButton::clicked, this, &StatsDialog::helpRequested);
    bottom->addWidget(help);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
    buttons->button(QDialogButtonBox::Close)->setText(QStringLiteral("关闭"));
    buttons->button(QDialogButtonBox::Close)->setAutoDefault(false);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    bottom->addWidget(buttons);
    v->addLayout(bottom);

    // Every column of the table in view at 1x.
    QSize size = sizeHint().expandedTo(QSize(twips(11700), twips(9000)));
    if (const QScreen* screen = QGuiApplication::primaryScreen())
        size = size.boundedTo(screen->availableSize() * 0.95);
    resize(size);
}

void StatsDialog::setMode(Mode mode) {
    if (modeSet_ && mode == mode_)
        return;
    modeSet_ = true;
    mode_ = mode;
    checked_.assign(scheme::ModeToggles(mode).size(), false);
    const history::PositionSelection chosen = scheme::DefaultPositions(mode);
    for (int k = 0; k < 5; ++k)
        positionButtons[static_cast<std::size_t>(k)]->setBackColor(
            chosen.Selected(k) ? Colour::On : Colour::Off);
    // The groups of this mode, in the panel's order.
    groupFilter->blockSignals(true);
    groupFilter->clear();
    groupFilter->addItem(QStringLiteral("全部分组"));
    for (const scheme::ToggleKills& t : scheme::ModeToggles(mode))
        if (groupFilter->findText(FromUtf8(t.toggle.group)) < 0)
            groupFilter->addItem(FromUtf8(t.toggle.group));
    groupFilter->setCurrentIndex(0);
    groupFilter->blockSignals(false);
    proxy->setFilterRegularExpression(QRegularExpression());
    message->clear();
}

void StatsDialog::setDraws(const history::HistoryState* history, const QString& source) {
    history_ = history;
    source_ = source;
}

std::array<bool, 5> StatsDialog::positions() const {
    std::array<bool, 5> chosen{};
    for (std::size_t k = 0; k < 5; ++k)
        chosen[k] = positionButtons[k]->isOn();
    return chosen;
}

void StatsDialog::rerun() {
    result_.reset();
    if (!modeSet_)
        return;
    const int rows = history_ ? history::RowsOfLine(history_->HistoryLine) : 0;
    caption->setText(QStringLiteral("%1面板的每个按钮单独使用时，对%2已存的开奖号码（最多最近%3期）"
                                    "会杀错几期；点表头排序，勾选后可应用到面板")
                         .arg(ModeName(mode_), source_)
                         .arg(rows));
    const std::array<bool, 5> chosen = positions();
    const int count = static_cast<int>(std::count(chosen.begin(), chosen.end(), true));
    positionNote->setText(QStringLiteral("须选%1个").arg(Width(mode_)));
    if (count != Width(mode_)) {
        showMessage(QStringLiteral("%1要选%2个号码位置，现在选了%3个。")
                        .arg(ModeName(mode_))
                        .arg(Width(mode_))
                        .arg(count));
        return;
    }
    if (!history_ || history_->draws.Empty()) {
        showMessage(QStringLiteral("%1还没有开奖数据，无法统计。请先导入开奖数据，"
                                   "或设置数据源后等待采集。")
                        .arg(source_));
        return;
    }
    scheme::SchemeBacktestOptions options;
    options.positions = history::SelectionOf(chosen);
    options.history_line = history_->HistoryLine == 2 ? 2 : 1;
    options.last = drawCount->currentData().toInt();
    try {
        result_ = scheme::RunConditionStats(mode_, history_->draws, options);
    } catch (const std::exception& error) {
        showMessage(QString::fromUtf8(error.what()));
        return;
    }
    message->clear();
    fill(*result_);
}

void StatsDialog::showMessage(const QString& text) {
    filling_ = true;
    model->removeRows(0, model->rowCount());
    filling_ = false;
    message->setText(text);
    applyButton->setEnabled(false);
}

void StatsDialog::fill(const scheme::ConditionStats& stats) {
    filling_ = true;
    table->setUpdatesEnabled(false);
    model->removeRows(0, model->rowCount());
    model->setHorizontalHeaderLabels({QStringLiteral("分组"), QStringLiteral("按钮"),
                                      QStringLiteral("近%1期杀错").arg(stats.draws),
                                      QStringLiteral("理论杀错"), QStringLiteral("当前连对"),
                                      QStringLiteral("最大连对"), QStringLiteral("最大连错"),
                                      QStringLiteral("最近杀错期号")});
    for (std::size_t i = 0; i < stats.toggles.size(); ++i) {
        const scheme::Toggle& t = stats.toggles[i]->toggle;
        const scheme::ToggleFigures& f = stats.figures[i];
        const int order = static_cast<int>(i);
        QList<QStandardItem*> row;
        row << Item(FromUtf8(t.group), order, false);
        row.front()->setData(order, kIndexRole);
        auto* button = Item(FromUtf8(t.caption), order, false);
        button->setCheckable(true);
        button->setCheckState(i < checked_.size() && checked_[i] ? Qt::Checked : Qt::Unchecked);
        row << button;
        row << Item(QString::number(f.killed), f.killed, true);
        row << Item(FromUtf8(f.Expected()), f.expected_tenths, true);
        row << Item(QString::number(f.current), f.current, true);
        row << Item(QString::number(f.longest_safe), f.longest_safe, true);
        row << Item(QString::number(f.longest_killed), f.longest_killed, true);
        // Periods sort as their text; "-" (never killed) before any.
        row << Item(FromUtf8(f.last), FromUtf8(f.last == "-" ? std::string() : f.last), false);
        model->appendRow(row);
    }
    table->setUpdatesEnabled(true);
    filling_ = false;
    applyButton->setEnabled(true);
}

std::vector<scheme::Toggle> StatsDialog::checkedToggles() const {
    std::vector<scheme::Toggle> toggles;
    const std::vector<scheme::ToggleKills>& all = scheme::ModeToggles(mode_);
    for (std::size_t i = 0; i < checked_.size() && i < all.size(); ++i)
        if (checked_[i])
            toggles.push_back(all[i].toggle);
    return toggles;
}

bool StatsDialog::setChecked(const std::string& field, const std::string& value, bool on) {
    for (int row = 0; row < model->rowCount(); ++row) {
        const int index = model->item(row, Group)->data(kIndexRole).toInt();
        const scheme::Toggle& t =
            scheme::ModeToggles(mode_)[static_cast<std::size_t>(index)].toggle;
        if (t.field == field && t.value == value) {
            model->item(row, Button)->setCheckState(on ? Qt::Checked : Qt::Unchecked);
            return true;
        }
    }
    return false;
}

void StatsDialog::showApplied(int added, int chosen) {
    QString text = QStringLiteral("已应用到%1面板：勾选了%2个按钮").arg(ModeName(mode_)).arg(added);
    if (chosen > added)
        text += QStringLiteral("（另有%1个原已勾选）").arg(chosen - added);
    message->setText(text + QStringLiteral("。"));
}

} // namespace sorvanta::ui
