#include "app/data_source_dialog.hpp"

#include "app/history_source.hpp"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

namespace sorvanta::ui {

DataSourceDialog::DataSourceDialog(HistorySource& source, QWidget* parent)
    : QDialog(parent), source_(source) {
    setObjectName(QStringLiteral("dataSourceDialog"));
    setWindowTitle(QStringLiteral("数据源"));
    auto* v = new QVBoxLayout(this);
    v->addWidget(new QLabel(QStringLiteral("数据源地址（例如 http://127.0.0.1:8080/），"
                                           "留空则不采集；\n地址含 {code} 时整条使用，"
                                           "{code} 换成彩种代码，{rows} 换成期数："),
                            this));
    address = new QLineEdit(source.baseAddress(), this);
    address->setObjectName(QStringLiteral("dataSourceAddress"));
    address->setMinimumWidth(address->fontMetrics().horizontalAdvance(QLatin1Char('x')) * 40);
    v->addWidget(address);
    problem = new QLabel(this);
    problem->setObjectName(QStringLiteral("dataSourceProblem"));
    problem->setStyleSheet(QStringLiteral("color: #c00000;"));
    v->addWidget(problem);
    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
    buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("确定"));
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("dataSourceOk"));
    buttons->button(QDialogButtonBox::Cancel)->setText(QStringLiteral("取消"));
    connect(buttons, &QDialogButtonBox::accepted, this, &DataSourceDialog::confirm);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    footer_ = new QHBoxLayout;
    footer_->addWidget(buttons, 1);
    v->addLayout(footer_);
}

void DataSourceDialog::addFooterButton(QWidget* button) {
    footer_->insertWidget(0, button);
}

void DataSourceDialog::confirm() {
    if (!source_.setBaseAddress(address->text())) {
        problem->setText(QStringLiteral("地址须以 http:// 或 https:// 开头并含主机名"));
        return;
    }
    accept();
}

} // namespace sorvanta::ui
