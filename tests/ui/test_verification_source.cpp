// The history source in the window: draws collected from a local HTTP server
// on both lines, the countdown, the status line, failures that keep the table,
// lottery and line choices answered from the store at once, and the store
// surviving a restart.
#include "../source/draw_server.hpp"
#include "app/data_source_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "panels/verification/history_window.hpp"
#include "panels/verification/verification_strip.hpp"
#include "shell/colour_button.hpp"
#include "shell/message_box.hpp"
#include "shell/text_boxes.hpp"

#include <QAbstractButton>
#include <QDialog>
#include <QFile>
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

#include <sys/stat.h>

using namespace sorvanta::ui;

namespace {

// The test server under the names this suite gives its routes.
class DrawServer : public sorvanta::test::DrawServer {
public:
    QString base(const QString& route) const { return address(route + QLatin1Char('/')); }
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
    QStringList captions() const {
        QStringList out;
        for (int i = 12; i <= 15; ++i)
            out << find<QLabel>(QStringLiteral("Label8_%1").arg(i))->text();
        return out;
    }
    QString writeFile(const QString& name, const QByteArray& bytes) const {
        QFile file(folder->path() + QLatin1Char('/') + name);
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qWarning("cannot write %s", qPrintable(file.fileName()));
        return file.fileName();
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
        QTest::newRow("cut short") << "cut"
                                   << "采集失败：数据不完整，连接中途断开";
        QTest::newRow("bad gzip") << "badgzip"
                                  << "采集失败：压缩数据无法解开";
        QTest::newRow("redirect loop") << "loop"
                                       << "采集失败：服务器要求转向，已拒绝";
        QTest::newRow("error page with one row") << "errorpage"
                                                 << "采集失败：没有开奖号码";
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
    // A verification that was shown follows the table: emptied with it, and
    // worked out again on the draws that come back.
    void captionsFollowTheTable() {
        collectLineOne();
        find<TextBox>(QStringLiteral("T_cs_ip_5"))->setText(QStringLiteral("0037 0074 0111"));
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_guolv_ks_12")), Qt::LeftButton);
        const QStringList shown = captions();
        QCOMPARE(shown[0], QStringLiteral("近5000期命中3"));
        QCOMPARE(row(30), QStringLiteral("0030--20260301-001--10037 中"));
        window->historySource()->setBaseAddress(server.base(QStringLiteral("silent")));
        const QStringList placeholders = {
            QStringLiteral("近5000期命中*"), QStringLiteral("近100期命中*"),
            QStringLiteral("近5000期最大连中*"), QStringLiteral("最大连挂*")};
        const struct {
            const char* button;
            QStringList captions;
            const char* row30;
        } steps[] = {
            {"C_xl_4", placeholders, "0030---- "},                  // nothing of 天津 stored
            {"C_xl_2", shown, "0030--20260301-001--10037 中"},      // 重庆 back from the store
            {"Option_xl_1", placeholders, "0030---- "},             // line 2: nothing stored
            {"Option_xl_0", shown, "0030--20260301-001--10037 中"}, // line 1 again
        };
        for (const auto& step : steps) {
            QTest::mouseClick(find<QAbstractButton>(QString::fromLatin1(step.button)),
                              Qt::LeftButton);
            QCOMPARE(captions(), step.captions);
            QCOMPARE(row(30), QString::fromUtf8(step.row30));
        }
        // Line 2 filled by an import: the captions are line 2's, at once.
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("Option_xl_1")), Qt::LeftButton);
        window->historySource()->importFile(
            writeFile(QStringLiteral("two.txt"), sorvanta::test::DrawLines(12)));
        QTRY_COMPARE(captions()[1], QStringLiteral("近100期命中3"));
        QCOMPARE(captions()[0], QString());
    }

    // Why a line is as it is stays readable however narrow the strip, and
    // it goes with the choice it was about.
    void statusLineFollowsTheChoice() {
        window->historySource()->setBaseAddress(server.base(QStringLiteral("missing")));
        QTRY_VERIFY(status().contains(QStringLiteral("服务器返回404")));
        auto* line = find<QLabel>(QStringLiteral("sourceStatus"));
        QCOMPARE(line->toolTip(), status());
        QTest::mouseClick(find<QPushButton>(QStringLiteral("C_xl_3")), Qt::LeftButton);
        QCOMPARE(status(), QString());
        QCOMPARE(line->toolTip(), QString());
    }

    void fileThatIsNotRegularIsRefusedAtOnce() {
        const QString fifo = folder->path() + QStringLiteral("/fifo");
        QCOMPARE(mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
        window->historySource()->importFile(fifo);
        QCOMPARE(status(), QStringLiteral("导入失败：不是普通文件，未读取"));
        QVERIFY(!window->historySource()->isImporting());
        window->historySource()->importFile(folder->path());
        QCOMPARE(status(), QStringLiteral("导入失败：不是普通文件，未读取"));
    }

    // The list in a window of its own: at least twenty draws in view, the
    // same lines as List1.
    void historyWindowShowsTheList() {
        collectLineOne();
        QTest::mouseClick(find<QPushButton>(QStringLiteral("historyWindowButton")), Qt::LeftButton);
        HistoryWindow* shown = window->historyWindow();
        QVERIFY(shown && shown->isVisible());
        QCOMPARE(shown->list->count(), list()->count());
        QCOMPARE(shown->list->item(1)->text(), row(1));
        const int rowHeight = shown->list->sizeHintForRow(0);
        QVERIFY(rowHeight > 0);
        QVERIFY2(shown->list->viewport()->height() / rowHeight >= 20,
                 qPrintable(QString::number(shown->list->viewport()->height() / rowHeight)));
        // Declined: nothing is deleted.
        MessageBox::setNextAnswer(MessageBox::No);
        shown->askToDelete(1);
        QCOMPARE(MessageBox::shown().size(), 1);
        QCOMPARE(MessageBox::shown()[0].title, QStringLiteral("删除此期"));
        QCOMPARE(row(1), QStringLiteral("0001--20260301-030--11110 "));
        // Confirmed: gone from the store, the table and both lists.
        MessageBox::setNextAnswer(MessageBox::Yes);
        shown->askToDelete(1);
        QCOMPARE(status(), QStringLiteral("已删除第20260301-030期"));
        QCOMPARE(row(1), QStringLiteral("0001--20260301-029--11073 "));
        QCOMPARE(shown->list->item(1)->text(), row(1));
        open(options());
        QCOMPARE(row(1), QStringLiteral("0001--20260301-029--11073 "));
        MessageBox::clearShown();
    }
};

QTEST_MAIN(TestVerificationSource)
#include "test_verification_source.moc"
