// One running copy: real second processes against a first copy, the window
// of a second copy giving up with its message, and a lock left by a copy
// that was killed.
#include "../source/draw_server.hpp"
#include "app/fmain.hpp"
#include "app/single_instance.hpp"
#include "shell/message_box.hpp"

#include <QComboBox>
#include <QCoreApplication>
#include <QFile>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QUuid>

#include <memory>

using namespace sorvanta::ui;

namespace {

const QString kTitle = QStringLiteral("错误提示");
const QString kText = QStringLiteral("本软件已经打开了，不要重复打开，本界面将自动关闭");

// A copy started as its own process; see instance_probe.cpp.
class Probe {
public:
    Probe(const QString& name, const char* mode) {
        process_.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        process_.start(QStringLiteral(SORVANTA_INSTANCE_PROBE), {name, QString::fromLatin1(mode)});
    }
    ~Probe() {
        if (process_.state() != QProcess::NotRunning) {
            process_.write("quit\n");
            process_.closeWriteChannel();
            if (!process_.waitForFinished(5000))
                process_.kill();
            process_.waitForFinished(5000);
        }
    }

    // Waits until the probe has said `word` (a line starting with it).
    bool said(const QString& word, int timeoutMs = 10000) {
        QElapsedTimer clock;
        clock.start();
        while (!lines().contains(word) && clock.elapsed() < timeoutMs) {
            if (!process_.waitForReadyRead(100) && process_.state() == QProcess::NotRunning)
                break;
        }
        return lines().contains(word);
    }
    QStringList lines() {
        output_ += QString::fromUtf8(process_.readAllStandardOutput());
        QStringList out;
        for (const QString& line : output_.split(u'\n', Qt::SkipEmptyParts))
            out << line;
        return out;
    }
    bool running() const { return process_.state() == QProcess::Running; }
    int finish() {
        process_.write("quit\n");
        process_.closeWriteChannel();
        process_.waitForFinished(10000);
        return process_.exitCode();
    }
    // Ends it the way a crash would: no chance to remove its lock.
    void kill() {
        process_.kill();
        process_.waitForFinished(5000);
    }

private:
    QProcess process_;
    QString output_;
};

QString FreshName() {
    return QStringLiteral("sorvanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

class TestSingleInstance : public QObject {
    Q_OBJECT

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() { MessageBox::clearShown(); }

    void secondProcessGivesWayToTheFirst() {
        const QString name = FreshName();
        Probe first(name, "hold");
        QVERIFY(first.said(QStringLiteral("first")));
        Probe second(name, "hold");
        QVERIFY(second.said(QStringLiteral("second")));
        QCOMPARE(second.finish(), 0);
        // The first copy was asked to the front and runs on.
        QVERIFY(first.said(QStringLiteral("shown")));
        QVERIFY(first.running());
        QCOMPARE(first.finish(), 0);
    }

    // The window of a second copy opens, runs its start-up up to the check,
    // says why it closes and ends; the first copy's window is untouched.
    void secondWindowShowsTheMessageAndEnds() {
        const QString name = FreshName();
        Probe first(name, "window");
        QVERIFY(first.said(QStringLiteral("started")));

        SingleInstance instance(name);
        Fmain window;
        int quits = 0;
        window.setQuitHandler([&] { ++quits; });
        window.setSingleInstance(&instance);
        QSignalSpy started(&window, &Fmain::startupFinished);
        window.show();
        QVERIFY(started.wait(5000));

        QCOMPARE(quits, 1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown().first().kind, MessageBox::Warning);
        QCOMPARE(MessageBox::shown().first().title, kTitle);
        QCOMPARE(MessageBox::shown().first().text, kText);
        // What comes before the check has run.
        QVERIFY(window.help().loaded());
        QCOMPARE(window.findChild<QComboBox*>(QStringLiteral("Com_rc_4"))->count(), 13);
        QVERIFY(!instance.holdsName());

        QVERIFY(first.said(QStringLiteral("shown")));
        QVERIFY(first.running());
        // The first window got no message of its own.
        QVERIFY(!first.lines().join(u'\n').contains(QStringLiteral("message")));
    }

    // A copy that gives way has opened no store and fetched nothing; the
    // same window alone does both, so the server would have seen it.
    void collectsOnlyWhenAlone_data() {
        QTest::addColumn<bool>("anotherCopy");
        QTest::newRow("alone") << false;
        QTest::newRow("another copy runs") << true;
    }
    void collectsOnlyWhenAlone() {
        QFETCH(bool, anotherCopy);
        sorvanta::test::DrawServer server;
        QVERIFY(server.listen());
        QTemporaryDir folder;
        const QString store = folder.filePath(QStringLiteral("draws.sqlite"));
        const QString name = FreshName();
        SingleInstance holder(name);
        if (anotherCopy)
            QVERIFY(!holder.anotherCopyRunning());
        SingleInstance instance(name);
        HistorySourceOptions options;
        options.storePath = store.toStdString();
        options.baseAddress = server.address(QStringLiteral("ok/"));
        options.keepAddress = false;
        options.tickMs = 1;
        Fmain window(options);
        window.setQuitHandler([] {});
        window.setSingleInstance(&instance);
        QSignalSpy started(&window, &Fmain::startupFinished);
        window.show();
        QVERIFY(started.wait(5000));
        if (anotherCopy)
            QTest::qWait(300);
        else
            QTRY_COMPARE(window.historyState().draws.StoredRows(), 30);
        QCOMPARE(server.requests.size(), anotherCopy ? 0 : 1);
        QCOMPARE(QFile::exists(store), !anotherCopy);
    }

    void secondWindowProcessEnds() {
        const QString name = FreshName();
        SingleInstance holder(name);
        QVERIFY(!holder.anotherCopyRunning());
        QSignalSpy raised(&holder, &SingleInstance::activationRequested);
        Probe second(name, "window");
        QVERIFY(second.said(QStringLiteral("quit")));
        QVERIFY(second.lines().contains(QStringLiteral("message %1|%2").arg(kTitle, kText)));
        QVERIFY(raised.count() > 0 || raised.wait(5000));
    }

    void killedCopyLeavesNoBlock() {
        const QString name = FreshName();
        {
            Probe crashed(name, "hold");
            QVERIFY(crashed.said(QStringLiteral("first")));
            crashed.kill();
        }
        SingleInstance check(name);
        // The lock is left behind, yet names a process that is gone.
        QVERIFY(QFile::exists(check.lockFilePath()));
        Probe next(name, "hold");
        QVERIFY(next.said(QStringLiteral("first")));
        // And the socket the killed copy left does not stop the new one
        // from being found.
        Probe later(name, "hold");
        QVERIFY(later.said(QStringLiteral("second")));
        QVERIFY(next.said(QStringLiteral("shown")));
    }

    void lockReleasedWhenTheCopyEnds() {
        const QString name = FreshName();
        {
            SingleInstance first(name);
            QVERIFY(!first.anotherCopyRunning());
            QVERIFY(first.holdsName());
            // Asking again from the copy that holds the name is no second copy.
            QVERIFY(!first.anotherCopyRunning());
        }
        SingleInstance next(name);
        QVERIFY(!next.anotherCopyRunning());
    }

    void namesKeepCopiesApart() {
        SingleInstance one(FreshName());
        SingleInstance other(FreshName());
        QVERIFY(!one.anotherCopyRunning());
        QVERIFY(!other.anotherCopyRunning());
        QVERIFY(SingleInstance::defaultName().startsWith(QStringLiteral("sorvanta-")));
        QVERIFY(SingleInstance::defaultName().size() > QStringLiteral("sorvanta-").size());
    }
};

QTEST_MAIN(TestSingleInstance)
#include "test_single_instance.moc"
