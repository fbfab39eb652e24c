#include "panels/verification/history_window.hpp"

#include "history/draw_history.hpp"
#include "shell/message_box.hpp"

#include <QFontDatabase>
#include <QHBoxLayout>
#include <QLabel>
#include <QListWidget>
#include <QMenu>
#include <QVBoxLayout>

namespace sorvanta::ui {

HistoryWindow::HistoryWindow(const history::HistoryState& state, QWidget* parent)
    : QDialog(parent), state_(state) {
    setObjectName(QStringLiteral("historyWindow"));
    setWindowTitle(QStringLiteral("开奖列表"));
    setSizeGripEnabled(true);
    auto* v = new QVBoxLayout(this);
    list = new QListWidget(this);
    list->setObjectName(QStringLiteral("historyWindowList"));
    list->setUniformItemSizes(true);
    list->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
    list->setContextMenuPolicy(Qt::CustomContextMenu);
    v->addWidget(list);
    footer_ = new QHBoxLayout;
    footer_->addWidget(new QLabel(QStringLiteral("右键点一期可删除错号"), this), 1);
    v->addLayout(footer_);
    connect(list, &QWidget::customContextMenuRequested, this, [this](const QPoint& at) {
        const int row = list->row(list->itemAt(at));
        if (row < 1 || !state_.draws.HasDraw(row))
            return;
        QMenu menu(this);
        QAction* remove = menu.addAction(QStringLiteral("删除此期…"));
        if (menu.exec(list->viewport()->mapToGlobal(at)) == remove)
            askToDelete(row);
    });
    // Twenty-five draws and the header at once, whatever the font.
    const int rows = 26;
    list->setMinimumHeight(list->fontMetrics().height() * rows + 2 * list->frameWidth() + 8);
    list->setMinimumWidth(
        list->fontMetrics().horizontalAdvance(QStringLiteral("0000--20260101-0001--00000 中")) +
        40);
}

void HistoryWindow::addFooterButton(QWidget* button) {
    footer_->addWidget(button);
}

void HistoryWindow::showLines(const QStringList& lines) {
    const int top = list->currentRow();
    list->setUpdatesEnabled(false);
    list->clear();
    list->addItems(lines);
    if (top >= 0 && top < list->count())
        list->setCurrentRow(top);
    list->setUpdatesEnabled(true);
}

void HistoryWindow::askToDelete(int row) {
    if (row < 1 || !state_.draws.HasDraw(row))
        return;
    const QString period = QString::fromStdString(state_.draws.Period(row));
    const QString number = QString::fromStdString(state_.draws.Number(row));
    const MessageBox::Answer answer =
        MessageBox::question(this, QStringLiteral("删除此期"),
                             QStringLiteral("从开奖数据库中删除第%1期（开奖号%2）？\n"
                                            "删除后可重新导入或采集正确的号码。")
                                 .arg(period, number));
    if (answer == MessageBox::Yes)
        emit deleteRequested(period);
}

} // namespace sorvanta::ui
