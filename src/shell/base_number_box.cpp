#include "shell/base_number_box.hpp"

#include "shell/colour_button.hpp"

#include "common/base_number_table.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"
#include "shell/text_boxes.hpp"

#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace sorvanta::ui {

BaseNumberBox::BaseNumberBox(const QString& pattern, QWidget* parent)
    : QWidget(parent), pattern_(pattern) {
    Lwz = new QLabel(this);
    Lwz->setObjectName(QStringLiteral("Lwz"));
    Lwz->setAlignment(Qt::AlignCenter);
    T_dd = new TextBox(QString(), this);
    T_dd->setObjectName(QStringLiteral("T_dd"));
    T_dd->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    // A box emptied by hand holds no number, and its count says so.
    connect(T_dd, &TextBox::emptiedByDoubleClick, this,
            [this] { Lzhushu->setText(QStringLiteral("0")); });
    Lzhushu = new QLabel(QStringLiteral("0"), this);
    Lzhushu->setObjectName(QStringLiteral("Lzhushu"));
    C_zt = new FlatButton(QStringLiteral("粘"), this);
    C_zt->setObjectName(QStringLiteral("C_zt"));
    C_cls = new FlatButton(QStringLiteral("清"), this);
    C_cls->setObjectName(QStringLiteral("C_cls"));
    for (QPushButton* b : {C_zt, C_cls}) {
        b->setFixedWidth(b->minimumSizeHint().width() + 10);
    }

    auto* v = new QVBoxLayout(this);
    v->setContentsMargins(0, 0, 0, 0);
    v->setSpacing(2);
    v->addWidget(Lwz);
    v->addWidget(T_dd, 1);
    auto* bottom = new QHBoxLayout;
    bottom->setSpacing(2);
    bottom->addWidget(C_zt);
    bottom->addWidget(C_cls);
    bottom->addWidget(Lzhushu, 1);
    v->addLayout(bottom);

    Timersx = new QTimer(this);
    Timersx->setObjectName(QStringLiteral("Timersx"));
    Timersx->setSingleShot(true);
    Timersx->setInterval(10);
    connect(Timersx, &QTimer::timeout, this, &BaseNumberBox::layoutNow);
    connect(C_cls, &QPushButton::clicked, this, &BaseNumberBox::a_cls_all);
    connect(C_zt, &QPushButton::clicked, this, &BaseNumberBox::paste);
    Timersx->start();
}

void BaseNumberBox::set_a_mydata_wz(const QString& pattern) {
    pattern_ = pattern;
    Timersx->start();
}

void BaseNumberBox::layoutNow() {
    Timersx->stop();
    Lwz->setText(pattern_);
}

// Until the first layout the label is still empty; the pattern it is about
// to show is what the box means.
QString BaseNumberBox::shownPattern() const {
    return Lwz->text().isEmpty() ? pattern_ : Lwz->text();
}

int BaseNumberBox::numberWidth() const {
    return BaseNumberWidth(shownPattern().toStdString());
}

void BaseNumberBox::a_cls_all() {
    T_dd->clear();
    Lzhushu->setText(QStringLiteral("0"));
}

QString BaseNumberBox::text() const {
    return T_dd->toPlainText();
}

void BaseNumberBox::setText(const QString& text) {
    T_dd->setPlainText(text);
    // The count says how many numbers the box shows, whoever wrote them (a
    // loaded scheme, the panel's clear).
    Lzhushu->setText(QString::number(
        text.split(QRegularExpression(QStringLiteral("\\s+")), Qt::SkipEmptyParts).size()));
}

BaseNumberTable BaseNumberBox::a_get_data(int /*unused*/) {
    // A pattern covering neither two nor three positions has no table shape
    // for its numbers; say so instead of reading them as something else.
    const QString shown = shownPattern();
    const qsizetype covered = shown.size() - shown.count(u'*');
    if (covered != 2 && covered != 3) {
        MessageBox::warning(this, QStringLiteral("错误"),
                            QStringLiteral("大底框号码有错误:") + shown);
        return {};
    }
    return ReadBaseNumberTable(text().toStdString(), static_cast<int>(covered));
}

void BaseNumberBox::paste() {
    const BaseNumberPaste pasted = PasteBaseNumbers(get_ztb().toStdString(), numberWidth());
    if (pasted.overflow) {
        // The box keeps the numbers it had: a paste that cannot be taken
        // must not cost the player the list already there.
        MessageBox::warning(this, QStringLiteral("错误"), QStringLiteral("大底输入错误"));
        return;
    }
    a_cls_all();
    if (pasted.count > 0) {
        Lzhushu->setText(QString::number(pasted.count));
        Send_to_text(QString::fromStdString(pasted.text), T_dd);
    }
}

} // namespace sorvanta::ui
