#include "shell/either_or_switch.hpp"

#include <QButtonGroup>
#include <QEvent>
#include <QHBoxLayout>
#include <QLabel>
#include <QMouseEvent>
#include <QRadioButton>

namespace sorvanta::ui {

EitherOrSwitch::EitherOrSwitch(QWidget* parent)
    : QWidget(parent), options_(new QButtonGroup(this)) {
    auto* row = new QHBoxLayout(this);
    row->setContentsMargins(0, 0, 0, 0);
    row->setSpacing(0);
    row->setSizeConstraint(QLayout::SetMinimumSize);
    const QString captions[2] = {QStringLiteral("直选"), QStringLiteral("组选")};
    for (int i = 0; i < 2; ++i) {
        Option1[i] = new QRadioButton(this);
        Option1[i]->setObjectName(QStringLiteral("Option1_%1").arg(i));
        options_->addButton(Option1[i], i);
        Label1[i] = new QLabel(captions[i], this);
        Label1[i]->setObjectName(QStringLiteral("Label1_%1").arg(i));
        Label1[i]->installEventFilter(this);
        row->addWidget(Option1[i]);
        row->addWidget(Label1[i]);
        if (i == 0)
            row->addSpacing(4);
    }
    Option1[0]->setChecked(true);
    connect(options_, &QButtonGroup::idToggled, this, [this](int, bool on) {
        if (on)
            emit switched(kaiguan());
    });
}

int EitherOrSwitch::kaiguan() const {
    return Option1[1]->isChecked() ? 1 : 0;
}

void EitherOrSwitch::setKaiguan(int choice) {
    if (choice == 0 || choice == 1) {
        Option1[static_cast<std::size_t>(choice)]->setChecked(true);
        return;
    }
    // An exclusive group keeps one option on; only a non-exclusive one lets
    // both go off.
    options_->setExclusive(false);
    for (QRadioButton* option : Option1)
        option->setChecked(false);
    options_->setExclusive(true);
}

bool EitherOrSwitch::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::MouseButtonRelease &&
        static_cast<QMouseEvent*>(event)->button() == Qt::LeftButton) {
        for (int i = 0; i < 2; ++i)
            if (watched == Label1[static_cast<std::size_t>(i)] && isEnabled()) {
                Option1[static_cast<std::size_t>(i)]->setChecked(true);
                return true;
            }
    }
    return QWidget::eventFilter(watched, event);
}

} // namespace sorvanta::ui
