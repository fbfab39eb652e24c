#pragma once

// A hostile or friendly draw source on 127.0.0.1 for the tests: the first
// segment of the path picks what it answers. It counts the requests it got
// and the body bytes it managed to send.
#include <QByteArray>
#include <QHash>
#include <QObject>
#include <QPointer>
#include <QStringList>
#include <QTcpServer>
#include <QTcpSocket>

namespace sorvanta::test {

// `count` draws of 2026-03-01, latest last as files often are.
inline QByteArray DrawLines(int count, int first = 1) {
    QByteArray text = "# test draws\r\n";
    for (int i = first; i < first + count; ++i)
        text += QStringLiteral("20260301-%1 %2\r\n")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg(10000 + i * 37)
                    .toUtf8();
    return text;
}

// Line 2's trend page: a table, draws in single-digit cells.
inline QByteArray TrendPage(int count) {
    QByteArray page = "<html><body><table><tr><th>期号</th><th>开奖号码</th></tr>";
    for (int i = 1; i <= count; ++i)
        page += QStringLiteral("<tr><td>20260302-%1</td><td>%2</td><td>%3</td><td>%4</td>"
                               "<td>%5</td><td>%6</td></tr>")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg(i % 10)
                    .arg((i + 1) % 10)
                    .arg((i + 2) % 10)
                    .arg((i + 3) % 10)
                    .arg((i + 4) % 10)
                    .toUtf8();
    return page + "</table></body></html>";
}

class DrawServer : public QObject {
public:
    QStringList requests;
    qint64 bodyBytesSent = 0;

    bool listen() {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
        return server_.listen(QHostAddress::LocalHost);
    }
    QString address(const QString& path) const {
        return QStringLiteral("http://127.0.0.1:%1/%2").arg(server_.serverPort()).arg(path);
    }

private:
    static QByteArray Head(const QByteArray& status, const QByteArray& fields) {
        return "HTTP/1.1 " + status + "\r\nConnection: close\r\n" + fields + "\r\n";
    }
    void answer(QTcpSocket* socket, const QByteArray& status, const QByteArray& body,
                const QByteArray& fields = "Content-Type: text/plain\r\n") {
        socket->write(
            Head(status, fields + "Content-Length: " + QByteArray::number(body.size()) + "\r\n") +
            body);
        bodyBytesSent += body.size();
        socket->disconnectFromHost();
    }
    // Chunks as fast as the client takes them, for ever.
    void endless(QTcpSocket* socket) {
        socket->write(Head("200 OK", "Content-Type: text/plain\r\nTransfer-Encoding: chunked\r\n"));
        const QByteArray chunk = QByteArray::number(kChunk, 16) + "\r\n" +
                                 DrawLines(1).repeated(kChunk / 34 + 1).left(kChunk) + "\r\n";
        QPointer<QTcpSocket> guard(socket);
        auto more = [this, guard, chunk] {
            while (guard && guard->state() == QAbstractSocket::ConnectedState &&
                   guard->bytesToWrite() < 4 * kChunk) {
                guard->write(chunk);
                bodyBytesSent += kChunk;
            }
        };
        connect(socket, &QTcpSocket::bytesWritten, this, more);
        more();
    }
    void serve(QTcpSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n") || pending.startsWith("served"))
            return;
        const QList<QByteArray> words = pending.left(pending.indexOf("\r\n")).split(' ');
        pending = "served";
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        requests << path;
        const QString route = path.section(QLatin1Char('/'), 1, 1);
        if (route == QLatin1String("silent"))
            return; // the connection stays open and nothing comes back
        if (route == QLatin1String("ok"))
            answer(socket, "200 OK",
                   path.contains(QLatin1String(".html")) ? TrendPage(12) : DrawLines(30));
        else if (route == QLatin1String("garbage"))
            answer(socket, "200 OK",
                   QByteArray("<html><body>维护中 \x01\xff\xfe 12 34</body></html>"));
        else if (route == QLatin1String("endless"))
            endless(socket);
        else if (route == QLatin1String("cut")) {
            // Promises more than it sends, then hangs up.
            const QByteArray body = DrawLines(30);
            socket->write(
                Head("200 OK", "Content-Length: " + QByteArray::number(body.size() * 3) + "\r\n") +
                body);
            bodyBytesSent += body.size();
            socket->disconnectFromHost();
        } else if (route == QLatin1String("badgzip"))
            answer(socket, "200 OK", QByteArray(2000, 'x') + DrawLines(30),
                   "Content-Type: text/plain\r\nContent-Encoding: gzip\r\n");
        else if (route == QLatin1String("loop"))
            answer(socket, "302 Found", "",
                   "Location: " + address(QStringLiteral("loop/again")).toLatin1() + "\r\n");
        else if (route == QLatin1String("errorpage"))
            answer(socket, "200 OK",
                   "<html><body><h1>维护中</h1><table><tr><td>20260301-001</td>"
                   "<td>1</td><td>2</td><td>3</td><td>4</td><td>5</td></tr></table></body></html>",
                   "Content-Type: text/html\r\n");
        else if (route == QLatin1String("api"))
            // /api/CODE/ROWS: a draw API's rows; the first draw tells the code.
            answer(socket, "200 OK", ApiPage(path.section(QLatin1Char('/'), 2, 2)),
                   "Content-Type: application/json\r\n");
        else if (route == QLatin1String("huge"))
            answer(socket, "200 OK", QByteArray(9 * 1024 * 1024, '7'));
        else
            answer(socket, "404 Not Found", "not here");
    }
    static QByteArray ApiPage(const QString& code) {
        const int first = code == QLatin1String("cqssc")   ? 1
                          : code == QLatin1String("tjssc") ? 3
                                                           : 2;
        QByteArray rows;
        for (int i = 12; i >= 1; --i)
            rows += QStringLiteral("%1{\"expect\":\"20260301%2\",\"opencode\":\"%3,%4,5,6,7\","
                                   "\"opentime\":\"2026-03-01 10:50:00\"}")
                        .arg(rows.isEmpty() ? "" : ",")
                        .arg(i, 3, 10, QLatin1Char('0'))
                        .arg(first)
                        .arg(i % 10)
                        .toUtf8();
        return "{\"rows\":12,\"data\":[" + rows + "]}";
    }

    static constexpr int kChunk = 64 * 1024;
    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

} // namespace sorvanta::test
