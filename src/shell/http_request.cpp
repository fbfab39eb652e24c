#include "shell/mycode.hpp"

#include <QEventLoop>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

#include <limits>

namespace sorvanta::ui {

int EffectiveTimeout(int timeoutMs) {
    return timeoutMs < 1000 ? 10000 : timeoutMs;
}

QString XMLHttpRequest(const QString& mode, const QString& address, const QString& data,
                       int timeoutMs) {
    const int timeout = EffectiveTimeout(timeoutMs);
    const QUrl url(address);
    if (!url.isValid() || url.scheme().isEmpty())
        return {};

    QNetworkAccessManager manager;
    QNetworkRequest request(url);
    // The time-out applies to each stage alike: nothing heard for that long
    // ends the request.
    request.setTransferTimeout(timeout);
    const QByteArray body = "id=" + Escape(data).toLatin1();
    QNetworkReply* reply = nullptr;
    if (mode == QLatin1String("GET")) {
        reply = manager.sendCustomRequest(request, "GET", body);
    } else {
        request.setHeader(QNetworkRequest::ContentTypeHeader,
                          QStringLiteral("application/x-www-form-urlencoded"));
        reply = manager.post(request, body);
    }

    QEventLoop loop;
    QTimer guard;
    guard.setSingleShot(true);
    // Four stages at most, each within the time-out.
    QObject::connect(&guard, &QTimer::timeout, reply, &QNetworkReply::abort);
    QObject::connect(reply, &QNetworkReply::finished, &loop, &QEventLoop::quit);
    guard.start(
        static_cast<int>(qMin<qint64>(qint64{timeout} * 4, std::numeric_limits<int>::max())));
    if (!reply->isFinished())
        loop.exec(QEventLoop::ExcludeUserInputEvents);

    QString result;
    const int status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reply->error() == QNetworkReply::NoError && status == 200)
        result = DecodeGbk(reply->readAll());
    delete reply;
    return result;
}

} // namespace sorvanta::ui
