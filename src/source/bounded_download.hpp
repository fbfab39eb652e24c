#pragma once

#include "source/outcome.hpp"

#include <QByteArray>
#include <QObject>
#include <QString>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace sorvanta::source {

// One GET whose body is never held past `limit` bytes, chunked or not: the
// reply's buffer is kept small, bytes are counted as they arrive and the
// transfer is aborted the moment they pass the limit. One deadline covers
// the whole transfer, so a server that trickles bytes cannot hold it.
class BoundedDownload : public QObject {
    Q_OBJECT
public:
    BoundedDownload(QNetworkAccessManager& network, qsizetype limit, int timeoutMs,
                    QObject* parent = nullptr);
    ~BoundedDownload() override;

    void start(const QString& address);
    // Stops the transfer without a `finished` signal.
    void cancel();
    bool running() const { return reply_ != nullptr; }

    // After `finished`: the body (failure None), or why there is none.
    Failure failure() const { return failure_; }
    int httpStatus() const { return httpStatus_; }
    QByteArray takeBody() { return std::exchange(body_, {}); }

signals:
    void finished();

private:
    void readArrived();
    void stop(Failure failure);
    void replyFinished();

    QNetworkAccessManager& network_;
    qsizetype limit_;
    int timeoutMs_;
    QTimer* deadline_;
    QNetworkReply* reply_ = nullptr;
    QByteArray body_;
    Failure failure_ = Failure::None;
    int httpStatus_ = 0;
};

} // namespace sorvanta::source
