// Start-up: the order of the sequence with the parts it is handed, what it
// leaves the window in, and a second copy stopping before the last tables.
#include "app/fmain.hpp"
#include "app/single_instance.hpp"
#include "app/startup.hpp"
#include "panels/mode_commands.hpp"
#include "shell/colour_button.hpp"
#include "shell/help_topics.hpp"
#include "shell/message_box.hpp"

#include <QComboBox>
#include <QGroupBox>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>
#include <QUuid>

#include <memory>

using namespace sorvanta::ui;

namespace {

class RecordingMode : public ModeCommands {
public:
    RecordingMode(QStringList& log, QString name) : log_(log), name_(std::move(name)) {}
    void run(int) override {}
    void runClear(int) override {}
    void runSelectAll(int) override {}
    void initTables() override { log_ << name_ + QStringLiteral(" tables"); }

private:
    QStringList& log_;
    QString name_;
};

QString FreshName() {
    return QStringLiteral("sorvanta-test-") + QUuid::createUuid().toString(QUuid::Id128);
}

} // namespace

class TestStartup : public QObject {
    Q_OBJECT

private:
    std::unique_ptr<Fmain> window;
    QSignalSpy* started = nullptr;

    QComboBox* list(const char* array, int index) const {
        return window->findChild<QComboBox*>(QStringLiteral("%1_%2").arg(array).arg(index));
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }
    void init() {
        MessageBox::clearShown();
        window = std::make_unique<Fmain>();
        started = new QSignalSpy(window.get(), &Fmain::startupFinished);
        window->show();
        QVERIFY(started->count() == 1 || started->wait(5000));
    }
    void cleanup() {
        delete started;
        started = nullptr;
        window.reset();
    }

    void order_data() {
        QTest::addColumn<bool>("anotherCopy");
        QTest::addColumn<QStringList>("expected");
        const QStringList before = {QStringLiteral("history"), QStringLiteral("mode 2"),
                                    QStringLiteral("help"), QStringLiteral("grid")};
        QTest::newRow("alone") << false
                               << before + QStringList{QStringLiteral("source"),
                                                       QStringLiteral("three tables"),
                                                       QStringLiteral("two tables")};
        QTest::newRow("another copy runs") << true << before + QStringList{QStringLiteral("quit")};
    }
    void order() {
        QFETCH(bool, anotherCopy);
        QFETCH(QStringList, expected);
        QStringList log;
        RecordingMode three(log, QStringLiteral("three"));
        RecordingMode two(log, QStringLiteral("two"));
        HelpTopics help;
        QTimer timer;
        timer.start(10000);
        const QString name = FreshName();
        SingleInstance holder(name);
        if (anotherCopy)
            QVERIFY(!holder.anotherCopyRunning());
        SingleInstance instance(name);

        StartupParts parts;
        parts.timer = &timer;
        parts.help = &help;
        parts.threeStar = &three;
        parts.twoStar = &two;
        parts.instance = &instance;
        parts.createHistoryTables = [&] {
            log << QStringLiteral("history");
        };
        parts.switchMode = [&](int mode) {
            log << QStringLiteral("mode %1").arg(mode);
        };
        parts.helpLoaded = [&] {
            QVERIFY(help.loaded());
            log << QStringLiteral("help");
        };
        parts.drawOmissionGrid = [&] {
            log << QStringLiteral("grid");
        };
        parts.quit = [&] {
            log << QStringLiteral("quit");
        };
        parts.startHistory = [&] {
            log << QStringLiteral("source");
        };

        QCOMPARE(RunStartup(parts), !anotherCopy);
        QCOMPARE(log, expected);
        QVERIFY(!timer.isActive());
        QCOMPARE(MessageBox::shown().size(), anotherCopy ? 1 : 0);
        QCOMPARE(instance.holdsName(), !anotherCopy);
    }

    void runsOnce() {
        QVERIFY(!window->findChild<QTimer*>(QStringLiteral("Timer_load"))->isActive());
        QTest::qWait(100);
        QCOMPARE(started->count(), 1);
    }

    void fourStarModeOnItsFirstPage() {
        QCOMPARE(window->currentMode(), 2);
        auto* page0 = window->findChild<ColourButton*>(QStringLiteral("C_sst_0_0"));
        QCOMPARE(page0->backColor(), Colour::LightGreen);
        const QRect spot =
            window->findChild<QGroupBox*>(QStringLiteral("Frame_ding_0"))->geometry();
        for (int i = 0; i <= 4; ++i) {
            auto* frame = window->findChild<QGroupBox*>(QStringLiteral("Frame_ding_%1").arg(i));
            QCOMPARE(frame->geometry(), spot);
            QCOMPARE(frame->isHidden(), i != 0);
        }
    }

    void toleranceLists_data() {
        QTest::addColumn<int>("index");
        QTest::addColumn<int>("items");
        for (int i = 0; i <= 5; ++i)
            QTest::newRow(qPrintable(QStringLiteral("Com_rc %1").arg(i))) << i << (i < 4 ? 5 : 13);
    }
    void toleranceLists() {
        QFETCH(int, index);
        QFETCH(int, items);
        QComboBox* box = list("Com_rc", index);
        QVERIFY(box);
        QCOMPARE(box->count(), items);
        for (int i = 0; i < items; ++i)
            QCOMPARE(box->itemText(i), QString::number(i));
        QCOMPARE(box->currentIndex(), -1);
        QCOMPARE(box->currentText(), QStringLiteral("0"));
    }

    void helpLoaded() { QVERIFY(window->help().loaded()); }

    // The three-star lists live on the three-star panel; they are checked
    // once that panel registers them.
    void threeStarLists() {
        QComboBox* right = list("Cb_rc", 4);
        if (!right)
            QSKIP("the three-star panel has no Cb_rc lists yet");
        QCOMPARE(right->currentText(), QStringLiteral("个"));
        QCOMPARE(list("Cb_rc", 2)->currentText(), QStringLiteral("百"));
        QCOMPARE(list("Cb_rc", 3)->currentText(), QStringLiteral("大于"));
        QCOMPARE(list("Cb_rc", 3)->count(), 6);
        QCOMPARE(list("Cb_rc", 0)->count(), 4);
    }
};

QTEST_MAIN(TestStartup)
#include "test_startup.moc"
