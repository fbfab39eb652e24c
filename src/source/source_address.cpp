#include "source/source_address.hpp"

#include <QSettings>
#include <QUrl>

namespace sorvanta::source {

namespace {

const QString kAddressKey = QStringLiteral("dataSource/baseAddress");

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

// The codes the draw APIs use for the three lotteries.
QString ApiCode(history::Lottery lottery) {
    switch (lottery) {
    case history::Lottery::Xinjiang:
        return QStringLiteral("xjssc");
    case history::Lottery::Tianjin:
        return QStringLiteral("tjssc");
    case history::Lottery::Chongqing:
        break;
    }
    return QStringLiteral("cqssc");
}

} // namespace

bool IsWholeAddress(const QString& address) {
    return address.contains(QLatin1String("{code}"));
}

bool IsUsableAddress(const QString& address) {
    // The placeholders are not valid in a URL; a stand-in checks the rest.
    QString probe = address.trimmed();
    probe.replace(QLatin1String("{code}"), QLatin1String("cqssc"));
    probe.replace(QLatin1String("{rows}"), QLatin1String("100"));
    const QUrl url(probe, QUrl::StrictMode);
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

QString NormalisedAddress(const QString& address) {
    QString kept = address.trimmed();
    if (!IsUsableAddress(kept))
        return {};
    if (!IsWholeAddress(kept) && !kept.endsWith(QLatin1Char('/')))
        kept += QLatin1Char('/');
    return kept;
}

QString CollectionAddress(const QString& address, history::Lottery lottery, history::DataLine line,
                          quint32 id) {
    if (IsWholeAddress(address)) {
        QString whole = address;
        whole.replace(QLatin1String("{code}"), ApiCode(lottery));
        whole.replace(QLatin1String("{rows}"), QString::number(history::RowsOfLine(line)));
        return whole;
    }
    if (line == history::DataLine::One)
        return address + FromUtf8(history::LineOneFile(lottery)) + QStringLiteral("?id=") +
               QString::number(id);
    return address + FromUtf8(history::LineTwoPage(lottery));
}

QString KeptAddress() {
    return NormalisedAddress(QSettings(QStringLiteral("Sorvanta"), QStringLiteral("Sorvanta"))
                                 .value(kAddressKey)
                                 .toString());
}

void KeepAddress(const QString& address) {
    QSettings(QStringLiteral("Sorvanta"), QStringLiteral("Sorvanta"))
        .setValue(kAddressKey, address);
}

} // namespace sorvanta::source
