#include "shell/message_box.hpp"
#include "shell/mycode.hpp"

#include <QDesktopServices>
#include <QUrl>

namespace sorvanta::ui {

void op_url(const QString& address, QWidget* parent) {
    if (address.isEmpty())
        return;
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid() || !QDesktopServices::openUrl(url))
        MessageBox::information(parent, QStringLiteral("提示"),
                                QStringLiteral("出现错误，未能打开下载页面"));
}

} // namespace sorvanta::ui
