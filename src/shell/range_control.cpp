#include "shell/range_control.hpp"

#include "shell/text_boxes.hpp"

#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QTimer>

namespace sorvanta::ui {

namespace {
QComboBox* makeBox(QWidget* parent, const QString& name) {
    auto* box = new QComboBox(parent);
    box->setObjectName(name);
    UseLineBox(box);
    box->setInsertPolicy(QComboBox::NoInsert);
    box->setMaxVisibleItems(12);
    box->setMinimumContentsLength(2);
    box->setSizeAdjustPolicy(QComboBox::AdjustToMinimumContentsLengthWithIcon);
    return box;
}
} // namespace

RangeControl::RangeControl(int longest, QWidget* parent)
    : QWidget(parent), long_(longest), lower_(makeBox(this, QStringLiteral("Comrc_0"))),
      upper_(makeBox(this, QStringLiteral("Comrc_1"))), to_(new QLabel(QStringLiteral("至"), this)),
      rebuildTimer_(new QTimer(this)) {
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(2);
    layout->addWidget(lower_);
    layout->addWidget(to_);
    layout->addWidget(upper_);
    rebuildTimer_->setObjectName(QStringLiteral("Timersx"));
    rebuildTimer_->setSingleShot(true);
    rebuildTimer_->setInterval(10);
    connect(rebuildTimer_, &QTimer::timeout, this, &RangeControl::rebuild);
    // Until the first rebuild the boxes already read as the configured range.
    lower_->setEditText(QString::number(fw1_));
    upper_->setEditText(QString::number(fw2_));
    scheduleRebuild();
}

void RangeControl::set_a_mydata_fw1(int value) {
    fw1_ = value;
    scheduleRebuild();
}

void RangeControl::set_a_mydata_fw2(int value) {
    fw2_ = value;
    scheduleRebuild();
}

void RangeControl::set_a_mydata_long(int value) {
    long_ = value;
    scheduleRebuild();
}

AllowedCounts RangeControl::allowedCounts() const {
    const RangeText range = text();
    return AllowedCounts::FromTexts(range.lower, range.upper);
}

void RangeControl::a_huanyuan(int ks, int js) {
    lower_->setEditText(QString::number(ks));
    upper_->setEditText(QString::number(js));
}

RangeText RangeControl::text() const {
    return {lower_->currentText().toStdString(), upper_->currentText().toStdString()};
}

void RangeControl::setText(const RangeText& range) {
    lower_->setEditText(QString::fromStdString(range.lower));
    upper_->setEditText(QString::fromStdString(range.upper));
}

bool RangeControl::rebuildPending() const {
    return rebuildTimer_->isActive();
}

void RangeControl::scheduleRebuild() {
    rebuildTimer_->start();
}

void RangeControl::rebuild() {
    rebuildTimer_->stop();
    QStringList items;
    for (int i = 0; i <= long_; ++i)
        items << QString::number(i);
    for (QComboBox* box : {lower_, upper_}) {
        box->blockSignals(true);
        box->clear();
        box->addItems(items);
        box->setCurrentIndex(-1);
        box->blockSignals(false);
    }
    lower_->setEditText(QString::number(fw1_));
    upper_->setEditText(QString::number(fw2_));
}

} // namespace sorvanta::ui
