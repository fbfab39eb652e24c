#include "shell/message_box.hpp"

#include <QAbstractButton>
#include <QMessageBox>

namespace sorvanta::ui {

namespace {
bool testMode = false;
QList<MessageBox::Answer> queuedAnswers;
QList<MessageBox::Shown> shownBoxes;
} // namespace

void MessageBox::information(QWidget* parent, const QString& title, const QString& text) {
    show(parent, Information, title, text);
}

void MessageBox::warning(QWidget* parent, const QString& title, const QString& text) {
    show(parent, Warning, title, text);
}

MessageBox::Answer MessageBox::question(QWidget* parent, const QString& title,
                                        const QString& text) {
    return show(parent, Question, title, text);
}

void MessageBox::setTestMode(bool on) {
    testMode = on;
}
void MessageBox::setNextAnswer(Answer answer) {
    queuedAnswers.append(answer);
}
const QList<MessageBox::Shown>& MessageBox::shown() {
    return shownBoxes;
}
void MessageBox::clearShown() {
    shownBoxes.clear();
    queuedAnswers.clear();
}

MessageBox::Answer MessageBox::show(QWidget* parent, Kind kind, const QString& title,
                                    const QString& text) {
    if (testMode) {
        shownBoxes.append({kind, title, text});
        if (kind != Question)
            return Ok;
        return queuedAnswers.isEmpty() ? No : queuedAnswers.takeFirst();
    }
    QMessageBox box(parent);
    prepare(box, kind, title, text);
    if (kind == Question)
        return box.exec() == QMessageBox::Yes ? Yes : No;
    box.exec();
    return Ok;
}

void MessageBox::prepare(QMessageBox& box, Kind kind, const QString& title, const QString& text) {
    box.setWindowTitle(title);
    box.setText(text);
    if (kind == Question) {
        box.setIcon(QMessageBox::Question);
        box.setStandardButtons(QMessageBox::Yes | QMessageBox::No);
        box.setDefaultButton(QMessageBox::No);
        box.button(QMessageBox::Yes)->setText(QStringLiteral("是"));
        box.button(QMessageBox::No)->setText(QStringLiteral("否"));
        return;
    }
    box.setIcon(kind == Warning ? QMessageBox::Warning : QMessageBox::Information);
    box.setStandardButtons(QMessageBox::Ok);
    box.button(QMessageBox::Ok)->setText(QStringLiteral("确定"));
}

} // namespace sorvanta::ui
