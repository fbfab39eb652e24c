// The common text rules on the window's QStrings: each converts and calls
// the one Qt-free rule, so the window and the command-line tool agree.
#include "common/gbk.hpp"
#include "common/text.hpp"
#include "shell/mycode.hpp"

#include <QLineEdit>
#include <QPlainTextEdit>

namespace sorvanta::ui {

QString only_str(const QString& yuan_str, const QString& mubiao_str) {
    return QString::fromStdString(
        sorvanta::only_str(yuan_str.toStdString(), mubiao_str.toStdString()));
}

QString ThroughGbk(const QString& text) {
    // Characters GBK cannot hold are dropped rather than shown as '?'.
    QString kept;
    kept.reserve(text.size());
    for (qsizetype i = 0; i < text.size(); ++i) {
        // GBK holds nothing past U+FFFF: a high surrogate goes together with
        // the unit after it.
        if (text[i].isHighSurrogate() && i + 1 < text.size()) {
            ++i;
            continue;
        }
        if (GbkHolds(text[i].unicode()))
            kept += text[i];
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

QString Escape(const QString& text) {
    const std::u16string units(reinterpret_cast<const char16_t*>(text.utf16()),
                               static_cast<std::size_t>(text.size()));
    return QString::fromStdString(sorvanta::Escape(units));
}

QString DecodeGbk(const QByteArray& bytes) {
    return QString::fromStdString(sorvanta::DecodeGbk(
        std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))));
}

QString OneLine(std::string_view message) {
    return QString::fromUtf8(sorvanta::OneLine(message));
}

} // namespace sorvanta::ui
