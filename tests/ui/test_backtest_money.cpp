// The money of the scheme backtest in its dialog: the figures the
// command-line tool prints for the same scheme, draws and terms, the chart
// of the balance, refusals of bad terms in Chinese, the terms kept per mode,
// and a dialog that fits a small screen.
#include "window_test.hpp"

#include "app/backtest_dialog.hpp"
#include "app/history_source.hpp"
#include "app/scheme_actions.hpp"
#include "shell/file_dialogs.hpp"

#include <QAbstractButton>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QRegularExpression>
#include <QScreen>
#include <QSettings>
#include <QStackedWidget>
#include <QTemporaryDir>

#include <algorithm>
#include <tuple>

using namespace sorvanta;
using namespace sorvanta::ui;

namespace {

const char* const kSchemes[3] = {
    R"({"format":"sorvanta-scheme","version":1,"mode":"two","conditions":{"kill_sums":[9,10]}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"three","conditions":{"kill_spans":"09"}})",
    R"({"format":"sorvanta-scheme","version":1,"mode":"four","conditions":{"kill_sums":"17 18 19"}})",
};
const char* const kEmptyTwo =
    R"({"format":"sorvanta-scheme","version":1,"mode":"two","conditions":{}})";

} // namespace

class TestBacktestMoney : public sorvanta::test::WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;

    QString write(const QString& name, const QByteArray& bytes) const {
        const QString file = dir->filePath(name);
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(file));
        return file;
    }
    // Sixty made-up draws, the same at every run.
    QString draws() const {
        QByteArray text;
        unsigned seed = 2026;
        for (int k = 1; k <= 60; ++k) {
            seed = seed * 1103515245u + 12345u;
            text += QStringLiteral("20260301-%1 %2\n")
                        .arg(k, 3, 10, QLatin1Char('0'))
                        .arg((seed >> 8) % 100000, 5, 10, QLatin1Char('0'))
                        .toUtf8();
        }
        return write(QStringLiteral("draws.txt"), text);
    }

    BacktestDialog* open(const char* scheme) {
        FileDialogs::setNextPath(write(QStringLiteral("scheme.json"), scheme));
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("loadScheme")), Qt::LeftButton);
        QTest::mouseClick(find<QAbstractButton>(QStringLiteral("schemeBacktest")), Qt::LeftButton);
        return window->schemeActions()->backtestDialog();
    }

    static void type(QLineEdit* field, const QString& text) {
        field->selectAll();
        if (text.isEmpty())
            QTest::keyClick(field, Qt::Key_Delete);
        else if (std::all_of(text.begin(), text.end(), [](QChar c) { return c.unicode() < 128; }))
            QTest::keyClicks(field, text);
        else
            field->insert(text); // what an input method commits
    }

    // The seven figures as the command-line tool writes them.
    static QString MoneyLines(const BacktestDialog& d) {
        return QStringLiteral("cost %1\nreturn %2\nprofit %3\nreturn rate %4\nlowest balance "
                              "%5\nmax drawdown %6\nhighest multiplier %7\n")
            .arg(d.cost->text(), d.paid->text(), d.profit->text(), d.returnRate->text(),
                 d.lowestBalance->text(), d.maxDrawdown->text(), d.highestMultiplier->text());
    }

private slots:
    void initTestCase() {
        ui::MessageBox::setTestMode(true);
        FileDialogs::setTestMode(true);
    }

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        QSettings().remove(QStringLiteral("backtest"));
        HistorySourceOptions options;
        options.storePath = dir->filePath(QStringLiteral("draws.sqlite")).toStdString();
        options.keepAddress = false;
        window = std::make_unique<Fmain>(options);
        QSignalSpy started(window.get(), &Fmain::startupFinished);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(started.count() == 1 || started.wait(5000));
        window->historySource()->importFile(draws());
        QVERIFY(window->historySource()->waitForImports());
    }

    void cleanup() { window.reset(); }

    // The dialog's figures and balances are the tool's for the same scheme,
    // draws and terms, as typed in the fields, in every mode.
    void figuresAreTheCli_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("price");
        QTest::addColumn<QString>("prize");
        QTest::addColumn<QString>("plan");
        QTest::newRow("two, fen and a plan") << 0 << "0.35"
                                             << "95.5"
                                             << "1,2,4";
        QTest::newRow("three, defaults") << 1 << ""
                                         << ""
                                         << "";
        QTest::newRow("four, a long plan") << 2 << "1"
                                           << "9800"
                                           << "1，3，9，27";
    }
    void figuresAreTheCli() {
        QFETCH(int, mode);
        QFETCH(QString, price);
        QFETCH(QString, prize);
        QFETCH(QString, plan);
        BacktestDialog* d = open(kSchemes[mode]);
        QVERIFY(d && d->isVisible());
        QTRY_COMPARE(d->pages->currentIndex(), 0);
        QCOMPARE(d->draws->text(), QStringLiteral("60"));
        QStringList args = {
            QStringLiteral("backtest"), dir->filePath(QStringLiteral("scheme.json")),
            QStringLiteral("--draws"),  dir->filePath(QStringLiteral("draws.txt")),
            QStringLiteral("--money"),  QStringLiteral("--details")};
        for (const auto& [field, option, text] :
             {std::tuple{d->price, "--price", price}, std::tuple{d->prize, "--prize", prize},
              std::tuple{d->plan, "--plan", plan}}) {
            if (text.isEmpty())
                continue;
            type(field, text);
            args << QString::fromLatin1(option) << text;
        }
        QVERIFY2(d->moneyRefusal->isHidden(), qPrintable(d->moneyRefusal->text()));

        QProcess cli;
        cli.start(QStringLiteral(SORVANTA_CLI), args);
        QVERIFY(cli.waitForFinished(30000));
        QCOMPARE(cli.exitCode(), 0);
        const QStringList out = QString::fromUtf8(cli.readAllStandardOutput()).split(u'\n');
        const qsizetype first = out.indexOf(QRegularExpression(QStringLiteral("cost .*")));
        QVERIFY(first > 0);
        QCOMPARE(MoneyLines(*d), out.mid(first, 7).join(u'\n') + u'\n');

        // The chart: one point per draw, oldest on the left, each named as
        // the tool's --details line of that draw ends.
        const int drawsTested = d->draws->text().toInt();
        QCOMPARE(d->chart->points(), drawsTested);
        const QStringList details = out.mid(first + 7, drawsTested);
        for (int step : {0, drawsTested / 2, drawsTested - 1}) {
            const QString line = details[drawsTested - 1 - step];
            const QString tip = d->chart->toolTipOf(step);
            QVERIFY2(tip.contains(QStringLiteral("余额") + line.section(u'\t', -1) + u'元'),
                     qPrintable(tip + u'|' + line));
            QVERIFY2(tip.contains(line.section(u' ', 0, 0)), qPrintable(tip));
            QVERIFY(tip.contains(line.contains(QStringLiteral(" hit")) ? u'中' : u'挂'));
        }
        // The marked point is the lowest of the tool's balances.
        double lowest = 0;
        for (const QString& line : details)
            lowest = std::min(lowest, line.section(u'\t', -1).toDouble());
        const QString atLowest = details[drawsTested - 1 - d->chart->lowestStep()];
        QVERIFY(atLowest.section(u'\t', -1).toDouble() <= lowest);
    }

    // Bad terms are named in Chinese and show no figures; nothing typed is
    // lost, and a good value brings the figures back.
    void badTermsAreRefusedInChinese_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("refusal");
        QTest::newRow("zero price") << "price"
                                    << "0"
                                    << "单价须大于0";
        QTest::newRow("negative prize") << "prize"
                                        << "-5"
                                        << "奖金须大于0";
        QTest::newRow("three decimals") << "price"
                                        << "2.345"
                                        << "单价最多两位小数（精确到分）";
        QTest::newRow("too large") << "prize"
                                   << "1000000001"
                                   << "奖金不能超过1000000000元";
        QTest::newRow("not a number") << "price"
                                      << "两元"
                                      << "单价应为金额，如2或1.50";
        QTest::newRow("empty") << "price"
                               << ""
                               << "单价应为金额，如2或1.50";
        QTest::newRow("plan with 0") << "plan"
                                     << "1,0"
                                     << "倍投计划的倍数须为1或更大（「0」）";
        QTest::newRow("plan word") << "plan"
                                   << "1,x"
                                   << "倍投计划中的「x」不是整数，应写成如1,2,4,8";
        QTest::newRow("plan too high") << "plan"
                                       << "200000"
                                       << "倍投计划的倍数不能超过100000（「200000」）";
    }
    void badTermsAreRefusedInChinese() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, refusal);
        BacktestDialog* d = open(kSchemes[0]);
        QLineEdit* edit = field == u"price" ? d->price : field == u"prize" ? d->prize : d->plan;
        const QString good = edit->text();
        type(edit, text);
        QCOMPARE(edit->text(), text);
        QVERIFY(d->moneyRefusal->isVisible());
        QCOMPARE(d->moneyRefusal->text(), refusal);
        QCOMPARE(d->cost->text(), QStringLiteral("—"));
        QCOMPARE(d->chart->points(), 0);
        type(edit, good);
        QVERIFY(d->moneyRefusal->isHidden());
        QVERIFY(d->cost->text().endsWith(QStringLiteral(".00")));
        QVERIFY(d->chart->points() > 0);
    }

    // Each mode starts from its own defaults and keeps what was typed for it.
    void termsAreKeptPerMode() {
        BacktestDialog* d = open(kSchemes[2]);
        QCOMPARE(d->price->text(), QStringLiteral("2"));
        QCOMPARE(d->prize->text(), QStringLiteral("10000"));
        QCOMPARE(d->plan->text(), QStringLiteral("1"));
        type(d->plan, QStringLiteral("1,2,4,8"));
        d = open(kSchemes[1]);
        QCOMPARE(d->prize->text(), QStringLiteral("1000"));
        QCOMPARE(d->plan->text(), QStringLiteral("1"));
        d = open(kSchemes[0]);
        QCOMPARE(d->prize->text(), QStringLiteral("100"));
        d = open(kSchemes[2]);
        QCOMPARE(d->plan->text(), QStringLiteral("1,2,4,8"));
        QVERIFY(d->highestNeeds->text().contains(QStringLiteral("一期投入")));
    }

    // The note comparing the hit rate with the share of numbers bet shows
    // only when the comparison can tell something.
    void rateNoteOnlyWhenItTellsSomething() {
        BacktestDialog* d = open(kSchemes[0]);
        QVERIFY(d->rateNote->isVisible());
        d = open(kEmptyTwo);
        QCOMPARE(d->bets->text(), QStringLiteral("100"));
        QVERIFY(d->rateNote->isHidden());
    }

    // On a 1280x720 screen at 1.5x (853x480 in the window's pixels) the
    // dialog shrinks to fit and its content scrolls; on the test screen too.
    void fitsTheScreen() {
        BacktestDialog* d = open(kSchemes[2]);
        const QRect screen = d->screen()->availableGeometry();
        QVERIFY2(screen.contains(d->frameGeometry()),
                 qPrintable(QStringLiteral("%1x%2").arg(d->width()).arg(d->height())));
        const QRect small(0, 0, 1280 * 2 / 3, 720 * 2 / 3);
        d->fitInto(small);
        QVERIFY(d->width() <= small.width() && d->height() < small.height());
        QVERIFY(d->minimumSizeHint().height() < small.height());
    }
};

QTEST_MAIN(TestBacktestMoney)
#include "test_backtest_money.moc"
