#include "shell/copy_notice.hpp"

#include <QLabel>
#include <QTimer>
#include <QVBoxLayout>

namespace sorvanta::ui {

namespace {
int ftsShown = 0;
}

Fts::Fts(QWidget* parent) : QDialog(parent) {
    setWindowTitle(QStringLiteral("信息提示窗口"));
    setModal(true);
    setAutoFillBackground(true);
    QPalette pal = palette();
    pal.setColor(QPalette::Window, QColor(0, 255, 0));
    setPalette(pal);
    Label1 = new QLabel(QStringLiteral("复制成功！"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    QFont f = Label1->font();
    f.setPointSize(f.pointSize() + 3);
    f.setBold(true);
    Label1->setFont(f);
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(Label1);
    setFixedSize(220, 80);
    Timer1 = new QTimer(this);
    Timer1->setObjectName(QStringLiteral("Timer1"));
    Timer1->setSingleShot(true);
    Timer1->setInterval(600);
    connect(Timer1, &QTimer::timeout, this, &QDialog::accept);
}

int Fts::shownCount() {
    return ftsShown;
}

void Fts::showEvent(QShowEvent* event) {
    ++ftsShown;
    Timer1->start();
    QDialog::showEvent(event);
}

} // namespace sorvanta::ui
