// The history source in the window: draws collected from a local HTTP server
// on both lines, the countdown, the status line, failures that keep the table,
// lottery and line choices answered from the store at once, and the store
// surviving a restart.
#include "app/data_source_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/text_boxes.hpp"

#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QSignalSpy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace sorvanta::ui;

namespace {

// Line 1's text file: 30 draws, oldest first as such files often are.
QByteArray LineOneFile() {
    QByteArray text = "# test draws\r\n";
    for (int i = 1; i <= 30; ++i)
        text += QStringLiteral("20260301-%1 %2\r\n")
                    .arg(i, 3, 10, QLatin1Char('0'))
                    .arg(10000 + i * 37)
                    .toUtf8();
    return text;
}

// Line 2's trend page: a table, draws in single-digit cells, GBK-free.
QByteArray LineTwoPage() {
    QByteArray page = "<html><body><table><tr><th>期号</th><th>开奖号码</th></tr>";
    for (int i = 1; i <= 12; ++i)
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

// A small HTTP server: the first path segment picks the behaviour.
class DrawServer : public QObject {
public:
    QStringList requests;

    bool listen() {
        connect(&server_, &QTcpServer::newConnection, this, [this] {
            while (QTcpSocket* socket = server_.nextPendingConnection())
                connect(socket, &QTcpSocket::readyRead, this, [this, socket] { serve(socket); });
        });
        return server_.listen(QHostAddress::LocalHost);
    }
    QString base(const QString& route) const {
        return QStringLiteral("http://127.0.0.1:%1/%2/").arg(server_.serverPort()).arg(route);
    }

private:
    void serve(QTcpSocket* socket) {
        QByteArray& pending = buffers_[socket];
        pending += socket->readAll();
        if (!pending.contains("\r\n\r\n"))
            return;
        const QList<QByteArray> words = pending.left(pending.indexOf("\r\n")).split(' ');
        const QString path = words.size() > 1 ? QString::fromLatin1(words[1]) : QString();
        requests << path;
        const QString route = path.section(QLatin1Char('/'), 1, 1);
        if (route == QLatin1String("silent"))
            return; // the connection stays open and nothing comes back
        QByteArray status = "200 OK";
        QByteArray body;
        if (route == QLatin1String("ok"))
            body = path.contains(QLatin1String(".txt")) ? LineOneFile() : LineTwoPage();
        else if (route == QLatin1String("garbage"))
            body = QByteArray("<html><body>服务器维护中 \x01\xff\xfe 12 34</body></html>");
        else if (route == QLatin1String("huge"))
            body = QByteArray(9 * 1024 * 1024, '7');
        else {
            status = "404 Not Found";
            body = "not here";
        }
        socket->write("HTTP/1.1 " + status + "\r\nContent-Type: text/plain\r\nContent-Length: " +
                      QByteArray::number(body.size()) + "\r\nConnection: close\r\n\r\n" + body);
        socket->disconnectFromHost();
    }

    QTcpServer server_;
    QHash<QTcpSocket*, QByteArray> buffers_;
};

} // namespace

class TestVerificationSource : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<QTemporaryDir> folder;
    std::unique_ptr<Fmain> window;
    DrawServer server;

    HistorySourceOptions options() const {
        HistorySourceOptions o;
        o.storePath = (folder->path() + QStringLiteral("/data/draws.sqlite")).toStdString();
        o.baseAddress = QString();
        o.keepAddress = false;
        o.timeoutMs = 400;
        o.tickMs = 10;
        o.repeatSeconds = 100000;
        return o;
    }
    void open(HistorySourceOptions o) {
        window.reset();
        window = std::make_unique<Fmain>(std::move(o));
        QSignalSpy started(window.get(), &Fmain::startupFinished);
        window->show();
        QVERIFY(started.wait(5000));
    }
    template <typename T> T* find(const QString& name) const {
        T* widget = window->findChild<T*>(name);
        if (!widget)
            qWarning("no widget named %s", qPrintable(name));
        return widget;
    }
    QListWidget* list() const { return find<QListWidget>(QStringLiteral("List1")); }
    QString row(int i) const { return list()->count() > i ? list()->item(i)->text() : QString(); }
    QString status() const { return find<QLabel>(QStringLiteral("sourceStatus"))->text(); }
    QString countdown() const {
        return find<QLabel>(QStringLiteral("collectionCountdown"))->text();
    }
    void collectLineOne() {
        window->historySource()->setBaseAddress(server.base(QStringLiteral("ok")));
        QTRY_COMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
    }

private slots:
    void initTestCase() {
        MessageBox::setTestMode(true);
        QVERIFY(server.listen());
    }
    void init() {
        MessageBox::clearShown();
        server.requests.clear();
        folder = std::make_unique<QTemporaryDir>();
        QVERIFY(folder->isValid());
        open(options());
    }
    void cleanup() {
        window.reset();
        QVERIFY(MessageBox::shown().isEmpty()); // the source never shows a box
    }

    void withoutAddressNothingIsFetched() {
        QCOMPARE(status(), QStringLiteral("未设置数据源地址"));
        QCOMPARE(countdown(), QStringLiteral("--"));
        QCOMPARE(list()->count(), 5001);
        QCOMPARE(row(0), QStringLiteral("编号--期号--开奖号"));
        QCOMPARE(row(7), QStringLiteral("0007---- "));
        QTest::qWait(100);
        QVERIFY(server.requests.isEmpty());
    }

    void addressFromTheDialogCollectsLineOne() {
        QTest::mouseClick(find<QPushButton>(QStringLiteral("dataSource")), Qt::LeftButton);
        QPointer<DataSourceDialog> dialog =
            find<DataSourceDialog>(QStringLiteral("dataSourceDialog"));
        QVERIFY(dialog && dialog->isVisible());
        // Refused: the dialog stays and says why; nothing is fetched.
        dialog->address->setText(QStringLiteral("ftp://127.0.0.1/"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("dataSourceOk")), Qt::LeftButton);
        QVERIFY(dialog->isVisible());
        QVERIFY(!dialog->problem->text().isEmpty());

        dialog->address->setText(server.base(QStringLiteral("ok")).chopped(1)); // no final '/'
        QTest::mouseClick(find<QPushButton>(QStringLiteral("dataSourceOk")), Qt::LeftButton);
        QTRY_VERIFY(!dialog || !dialog->isVisible());
        QTRY_COMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
        QCOMPARE(row(30), QStringLiteral("0030--20260301-001--10037 "));
        QCOMPARE(row(31), QStringLiteral("0031---- "));
        QCOMPARE(list()->count(), 5001);
        QVERIFY(status().contains(QStringLiteral("采集30期，新增30期")));
        QCOMPARE(server.requests.size(), 1);
        QVERIFY(server.requests[0].startsWith(QStringLiteral("/ok/cqssc_10000.txt?id=")));
        QCOMPARE(window->historyState().HistoryLine, 1);
        // The next collection is due after the repeat interval.
        QVERIFY(countdown().toInt() > 90000);
    }

    void lineTwoEmptiesAtOnceThenCountsDown() {
        collectLineOne();
        find<QRadioButton>(QStringLiteral("Option_xl_1"))->click();
        // Emptied before anything arrives; nothing of line 2 is stored yet.
        QVERIFY(window->historyState().draws.Empty());
        QCOMPARE(row(1), QStringLiteral("0001---- "));
        QCOMPARE(countdown(), QStringLiteral("20"));
        QCOMPARE(window->historySource()->CollectionCountdown(), 20);
        QTRY_VERIFY(countdown().toInt() < 20);
        QTRY_COMPARE(list()->count(), 101);
        QTRY_COMPARE(row(1), QStringLiteral("0001--20260302-012--23456 "));
        QCOMPARE(row(12), QStringLiteral("0012--20260302-001--12345 "));
        QCOMPARE(window->historyState().HistoryLine, 2);
        QVERIFY(server.requests.last().startsWith(
            QStringLiteral("/ok/trend/view/ssc_zst5-ssc-0-3-100.html")));

        // Back to line 1: its stored draws are there before any download.
        find<QRadioButton>(QStringLiteral("Option_xl_0"))->click();
        QCOMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
        QCOMPARE(list()->count(), 5001);
    }

    void failureKeepsTheTable_data() {
        QTest::addColumn<QString>("route");
        QTest::addColumn<QString>("problem");
        QTest::newRow("not found") << "missing"
                                   << "采集失败：服务器返回404";
        QTest::newRow("no answer") << "silent"
                                   << "采集失败：1秒内无结果";
        QTest::newRow("no draw in the body") << "garbage"
                                             << "采集失败：没有开奖号码";
        QTest::newRow("too large") << "huge"
                                   << "采集失败：数据超过8MB";
    }
    void failureKeepsTheTable() {
        QFETCH(QString, route);
        QFETCH(QString, problem);
        collectLineOne();
        const QString before = row(1);
        window->historySource()->setBaseAddress(server.base(route));
        QTRY_VERIFY2(status().contains(problem), qPrintable(status()));
        QCOMPARE(row(1), before);
        QCOMPARE(window->historyState().draws.Number(30), std::string("10037"));
        QVERIFY(!window->historySource()->isCollecting());
        // Collection goes on after a failure.
        QVERIFY(countdown().toInt() > 90000);
    }

    void unreachableServer() {
        QTcpServer closed;
        QVERIFY(closed.listen(QHostAddress::LocalHost));
        const quint16 port = closed.serverPort();
        closed.close();
        window->historySource()->setBaseAddress(QStringLiteral("http://127.0.0.1:%1/").arg(port));
        QTRY_VERIFY(status().contains(QStringLiteral("采集失败：无法连接数据源")));
    }

    void repeatsWhileAnAddressIsSet() {
        HistorySourceOptions o = options();
        o.repeatSeconds = 3;
        o.baseAddress = server.base(QStringLiteral("ok"));
        open(o);
        QTRY_VERIFY(server.requests.size() >= 3);
        window->historySource()->setBaseAddress(QString());
        const qsizetype seen = server.requests.size();
        QCOMPARE(countdown(), QStringLiteral("--"));
        QCOMPARE(status(), QStringLiteral("未设置数据源地址"));
        QTest::qWait(100);
        QCOMPARE(server.requests.size(), seen);
    }

    void lotteryChoiceAnswersFromTheStore() {
        collectLineOne();
        auto* extract = find<TextBox>(QStringLiteral("T_cs_ip_6"));
        auto* extractCount = find<QLabel>(QStringLiteral("L_zs_1"));
        extract->setText(QStringLiteral("0375"));
        extractCount->setText(QStringLiteral("1"));
        auto colour = [&](int k) {
            return find<ColourButton>(QStringLiteral("C_xl_%1").arg(k))->backColor();
        };

        // The current lottery: nothing changes.
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_xl_2")), Qt::LeftButton);
        QCOMPARE(extract->text(), QStringLiteral("0375"));
        QCOMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));

        // Another lottery: its own (empty) stored draws at once.
        window->historySource()->setBaseAddress(server.base(QStringLiteral("silent")));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_xl_4")), Qt::LeftButton);
        QCOMPARE(colour(4), Colour::On);
        QCOMPARE(colour(2), Colour::Off);
        QCOMPARE(colour(3), Colour::Off);
        QCOMPARE(extract->text(), QString());
        QCOMPARE(extractCount->text(), QStringLiteral("0"));
        QVERIFY(window->historyState().draws.Empty());
        QCOMPARE(countdown(), QStringLiteral("20"));
        QTRY_VERIFY(server.requests.last().startsWith(QStringLiteral("/silent/tjssc_10000.txt")));

        // Back to 重庆 while 天津's download hangs: 重庆's draws come from the
        // store, and the dropped download reports nothing.
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_xl_2")), Qt::LeftButton);
        QCOMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
        QVERIFY(!window->historySource()->isCollecting());
    }

    void storeSurvivesARestart() {
        collectLineOne();
        open(options());
        QCOMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
        QCOMPARE(window->historyState().HistoryLine, 1);
        QCOMPARE(status(), QStringLiteral("未设置数据源地址"));
    }

    void unusableStoreIsReportedOnce() {
        // A folder where the file should be: the store cannot be opened.
        HistorySourceOptions o = options();
        o.storePath = folder->path().toStdString();
        open(o);
        QCOMPARE(status(), QStringLiteral("开奖数据库无法打开，本次不保存开奖数据"));
        window->historySource()->setBaseAddress(server.base(QStringLiteral("ok")));
        QTRY_COMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
    }
};

QTEST_MAIN(TestVerificationSource)
#include "test_verification_source.moc"
