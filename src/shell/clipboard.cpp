#include "shell/copy_notice.hpp"
#include "shell/message_box.hpp"
#include "shell/mycode.hpp"

#include <QApplication>
#include <QClipboard>

namespace sorvanta::ui {

QString get_zt_f_ng(const QString& mystr) {
    QCoreApplication::processEvents();
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    clipboard->clear();
    clipboard->setText(mystr);
    // Reading back is the one failure report the platform gives us: another
    // program holding the clipboard leaves our text off it.
    return clipboard->text() == mystr ? QStringLiteral("ok") : QString();
}

void data_cp(const QString& mysj, QWidget* parent) {
    for (int attempt = 0; attempt < 100; ++attempt) {
        if (get_zt_f_ng(mysj) == QLatin1String("ok")) {
            Fts notice(parent);
            notice.exec();
            return;
        }
    }
    MessageBox::warning(parent, QStringLiteral("错误提示"),
                        QStringLiteral("本次复制出现错误，请再次复制！"));
}

QString get_ztb() {
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return {};
    QString text = clipboard->text();
    qsizetype start = 0;
    qsizetype end = text.size();
    while (start < end && text[start] == u' ')
        ++start;
    while (end > start && text[end - 1] == u' ')
        --end;
    return text.mid(start, end - start);
}

} // namespace sorvanta::ui
