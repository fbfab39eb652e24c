#include "shell/mycode.hpp"

#include "common/text.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/message_box.hpp"
#include "shell/picture_box.hpp"

#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QStringDecoder>
#include <QStringEncoder>
#include <QTimer>
#include <QUrl>
#include <QVBoxLayout>

namespace sorvanta::ui {

void set_button_color(const ControlRegistry& controls, const QString& ctl_name, int ctl_index_ks,
                      int ctl_index_js, int ctl_yanse) {
    const auto elements = controls.array(ctl_name);
    for (auto it = elements.lowerBound(ctl_index_ks);
         it != elements.end() && it.key() <= ctl_index_js; ++it)
        if (auto* button = qobject_cast<ColourButton*>(it.value()))
            button->setBackColor(ctl_yanse);
}

void SetButtonColor_diandong(ColourButton* button, int mode, int color_1, int color_2) {
    if (!button)
        return;
    switch (mode) {
    case 1:
        button->setBackColor(color_1);
        break;
    case 2:
        button->setBackColor(color_2);
        break;
    case 3:
        button->setBackColor(button->backColor() != color_1 ? color_1 : color_2);
        break;
    default:
        break;
    }
}

QString only_str(const QString& yuan_str, const QString& mubiao_str) {
    return QString::fromStdString(
        sorvanta::only_str(yuan_str.toStdString(), mubiao_str.toStdString()));
}

QString ThroughGbk(const QString& text) {
    QStringEncoder encode("GBK");
    QStringDecoder decode("GBK");
    if (!encode.isValid() || !decode.isValid())
        return text;
    // Characters GBK cannot hold are dropped rather than shown as '?'.
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        const bool pair = text[i].isHighSurrogate() && i + 1 < text.size();
        const QString one = pair ? text.mid(i, 2) : QString(text[i]);
        if (pair)
            ++i;
        if (one.at(0).unicode() < 0x80) {
            kept += one;
            continue;
        }
        QStringEncoder probe("GBK", QStringEncoder::Flag::Stateless);
        const QByteArray bytes = probe.encode(one);
        if (!probe.hasError() && decode.decode(bytes) == one)
            kept += one;
    }
    return kept;
}

void Send_to_text(const QString& mydata, QPlainTextEdit* box) {
    if (box)
        box->setPlainText(ThroughGbk(mydata));
}

void Send_to_text(const QString& mydata, QLineEdit* box) {
    if (box)
        box->setText(ThroughGbk(mydata));
}

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

void op_url(const QString& address, QWidget* parent) {
    if (address.isEmpty())
        return;
    const QUrl url = QUrl::fromUserInput(address);
    if (!url.isValid() || !QDesktopServices::openUrl(url))
        MessageBox::information(parent, QStringLiteral("提示"),
                                QStringLiteral("出现错误，未能打开下载页面"));
}

void pic_line(PictureBox* box, double x1, double y1, double x2, double y2, int width, int colour) {
    if (!box)
        return;
    box->setDrawWidth(width);
    box->setForeColor(colour);
    box->line(x1, y1, x2, y2);
}

void pic_wrid(PictureBox* box, double x, double y, const QString& text, double fontSize,
              int colour) {
    if (!box)
        return;
    box->setFontSize(fontSize);
    box->setForeColor(colour);
    box->print(x, y, text);
}

QString Escape(const QString& text) {
    const std::u16string units(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<std::size_t>(text.size()));
    return QString::fromStdString(sorvanta::Escape(units));
}

QString DecodeGbk(const QByteArray& bytes) {
    QStringDecoder decode("GBK");
    if (!decode.isValid())
        return QString::fromLocal8Bit(bytes);
    return decode.decode(bytes);
}

} // namespace sorvanta::ui
