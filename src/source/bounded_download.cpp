#include "source/bounded_download.hpp"

#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QTimer>
#include <QUrl>

namespace sorvanta::source {

namespace {

// What the reply may buffer before it stops reading from the socket: the
// body's memory is ours to count, not the network stack's.
constexpr qint64 kReadBuffer = 64 * 1024;
constexpr int kMaxRedirects = 5;

Failure FailureOf(QNetworkReply::NetworkError error, int httpStatus) {
    const bool answered = httpStatus > 0;
    switch (error) {
    case QNetworkReply::TooManyRedirectsError:
    case QNetworkReply::InsecureRedirectError:
        return Failure::RedirectRefused;
    case QNetworkReply::RemoteHostClosedError:
    case QNetworkReply::ProtocolFailure: // a chunk's framing broken off
        return answered ? Failure::CutShort : Failure::NoConnection;
    case QNetworkReply::OperationCanceledError:
        return Failure::Timeout;
    case QNetworkReply::UnknownContentError:
        // Qt's word for a body it could not decompress, after a status that
        // promised one.
        if (httpStatus >= 200 && httpStatus < 300)
            return Failure::CannotDecompress;
        return answered ? Failure::HttpStatus : Failure::NoConnection;
    default:
        return Failure::NoConnection;
    }
}

} // namespace

BoundedDownload::BoundedDownload(QNetworkAccessManager& network, qsizetype limit, int timeoutMs,
                                 QObject* parent)
    : QObject(parent), network_(network), limit_(limit), timeoutMs_(timeoutMs) {
    deadline_ = new QTimer(this);
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, [this] { stop(Failure::Timeout); });
}

BoundedDownload::~BoundedDownload() {
    cancel();
}

void BoundedDownload::start(const QString& address) {
    cancel();
    body_.clear();
    failure_ = Failure::None;
    httpStatus_ = 0;
    QNetworkRequest request{QUrl(address)};
    request.setAttribute(QNetworkRequest::RedirectPolicyAttribute,
                         QNetworkRequest::NoLessSafeRedirectPolicy);
    request.setMaximumRedirectsAllowed(kMaxRedirects);
    reply_ = network_.get(request);
    reply_->setReadBufferSize(kReadBuffer);
    connect(reply_, &QNetworkReply::metaDataChanged, this, [this] {
        const QVariant length = reply_->header(QNetworkRequest::ContentLengthHeader);
        if (length.isValid() && length.toLongLong() > limit_)
            stop(Failure::TooLarge);
    });
    connect(reply_, &QNetworkReply::readyRead, this, &BoundedDownload::readArrived);
    connect(reply_, &QNetworkReply::finished, this, &BoundedDownload::replyFinished);
    deadline_->start(qMax(1, timeoutMs_));
}

void BoundedDownload::readArrived() {
    if (!reply_)
        return;
    // Read in the buffer's steps; one byte past the limit is enough to know.
    while (reply_ && reply_->bytesAvailable() > 0) {
        const qint64 room = limit_ + 1 - body_.size();
        if (room <= 0) {
            stop(Failure::TooLarge);
            return;
        }
        const QByteArray piece = reply_->read(qMin(room, kReadBuffer));
        if (piece.isEmpty())
            break;
        body_ += piece;
    }
    if (reply_ && body_.size() > limit_)
        stop(Failure::TooLarge);
}

void BoundedDownload::stop(Failure failure) {
    if (!reply_)
        return;
    failure_ = failure;
    body_.clear();
    body_.squeeze();
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    deadline_->stop();
    // No byte more is read once the limit or the deadline is passed.
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    emit finished();
}

void BoundedDownload::cancel() {
    deadline_->stop();
    if (!reply_)
        return;
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
    body_.clear();
}

void BoundedDownload::replyFinished() {
    if (!reply_)
        return;
    readArrived();
    if (!reply_)
        return; // stopped past the limit while reading the rest
    QNetworkReply* reply = std::exchange(reply_, nullptr);
    deadline_->stop();
    reply->deleteLater();
    const QVariant status = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute);
    httpStatus_ = status.isValid() ? status.toInt() : 0;
    if (reply->error() != QNetworkReply::NoError) {
        failure_ = FailureOf(reply->error(), httpStatus_);
        // A server's own error page is reported by its status.
        if (failure_ == Failure::NoConnection && httpStatus_ > 0)
            failure_ = Failure::HttpStatus;
    } else if (httpStatus_ >= 300 && httpStatus_ < 400) {
        failure_ = Failure::RedirectRefused;
    } else if (httpStatus_ != 200) {
        failure_ = Failure::HttpStatus;
    }
    if (failure_ != Failure::None) {
        body_.clear();
        body_.squeeze();
    }
    emit finished();
}

} // namespace sorvanta::source
