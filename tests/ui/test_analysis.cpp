// 条件统计 and 走势图 in the window: the dialog's figures are the command-line
// tool's, "应用到面板" then "开始缩水" is the shrink of a scheme of exactly the
// applied buttons, and the trend chart opens at the latest draw painting only
// the rows in view.
#include "window_test.hpp"

#include "app/analysis_actions.hpp"
#include "app/fmain.hpp"
#include "app/stats_dialog.hpp"
#include "app/trend_chart.hpp"
#include "history/omission.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/two_star/two_star_panel.hpp"
#include "scheme/scheme.hpp"
#include "shell/colour_button.hpp"
#include "shell/text_boxes.hpp"

#include <QComboBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProcess>
#include <QScrollBar>
#include <QSortFilterProxyModel>
#include <QStandardItemModel>
#include <QTableView>
#include <QTemporaryDir>

using namespace sorvanta;
using namespace sorvanta::ui;

namespace {

// Made-up draws, oldest first.
QByteArray Draws(int count) {
    QByteArray text;
    quint32 seed = 2026;
    for (int i = 1; i <= count; ++i) {
        text += QStringLiteral("20260301-%1 ").arg(i, 3, 10, QLatin1Char('0')).toUtf8();
        for (int k = 0; k < 5; ++k) {
            seed = seed * 1103515245u + 12345u;
            text += char('0' + (seed >> 16) % 10);
        }
        text += '\n';
    }
    return text;
}

struct Cli {
    int status = -1;
    QString out;
};

Cli RunCli(const QStringList& args) {
    QProcess cli;
    cli.start(QStringLiteral(SORVANTA_CLI), args);
    Cli result;
    if (!cli.waitForStarted() || !cli.waitForFinished(60000))
        return result;
    result.status = cli.exitCode();
    result.out = QString::fromUtf8(cli.readAllStandardOutput());
    return result;
}

// The table as `sorvanta-cli stats` prints it, rows in the panel's order.
QString TableAsText(const StatsDialog& dialog) {
    const scheme::ConditionStats& stats = *dialog.result();
    QString text = QStringLiteral("draws %1\n").arg(stats.draws);
    QStandardItemModel* model = dialog.model;
    for (int row = 0; row < model->rowCount(); ++row) {
        const scheme::Toggle& t = stats.toggles[static_cast<std::size_t>(row)]->toggle;
        text += QString::fromStdString(t.field) + u'\t' + QString::fromStdString(t.value);
        for (int column = 2; column < 8; ++column)
            text += u'\t' + model->item(row, column)->text();
        text += u'\n';
    }
    return text;
}

} // namespace

class AnalysisTest : public test::WindowTest {
    Q_OBJECT

    std::unique_ptr<QTemporaryDir> dir;
    QString drawFile;

    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir->filePath(name));
        if (!file.open(QIODevice::WriteOnly) || file.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
        return file.fileName();
    }
    void click(const QString& name) const {
        QTest::mouseClick(find<QAbstractButton>(name), Qt::LeftButton);
    }
    void useDraws(int count) {
        drawFile = write(QStringLiteral("draws.txt"), Draws(count));
        window->historySource()->importFile(drawFile);
        QVERIFY(window->historySource()->waitForImports());
    }
    StatsDialog* openStats(int mode) {
        click(QStringLiteral("C_ding_%1").arg(mode));
        click(QStringLiteral("conditionStats"));
        return window->analysisActions()->statsDialog();
    }
    scheme::Scheme front() const {
        switch (window->currentMode()) {
        case 0:
            return scheme::Scheme(
                window->controls().at<TwoStarPanel>(QStringLiteral("Pic_di"), 0)->readInput());
        case 1:
            return scheme::Scheme(
                window->controls().at<ThreeStarPanel>(QStringLiteral("Pic_di"), 1)->readInput());
        default:
            return scheme::Scheme(window->fourStar()->readInput());
        }
    }
    QString shrink(int mode) const {
        static const char* const start[3] = {"C_2x3x_gn_14", "C_2x3x_gn_0", "C_guolv_ks_0"};
        click(QString::fromLatin1(start[mode]));
        if (mode == 2)
            return QString::fromStdString(window->fourStarState().SurvivorText);
        if (mode == 1)
            return window->controls().at<ThreeStarPanel>(QStringLiteral("Pic_di"), 1)->resultText();
        return window->controls().at<TwoStarPanel>(QStringLiteral("Pic_di"), 0)->resultText();
    }

private slots:
    void initTestCase() { MessageBox::setTestMode(true); }

    void init() {
        dir = std::make_unique<QTemporaryDir>();
        MessageBox::clearShown();
        HistorySourceOptions options;
        options.storePath = dir->filePath(QStringLiteral("draws.sqlite")).toStdString();
        options.baseAddress = QString();
        options.keepAddress = false;
        window = std::make_unique<Fmain>(options);
        QSignalSpy started(window.get(), &Fmain::startupFinished);
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        QVERIFY(started.count() == 1 || started.wait(5000));
    }
    void cleanup() { window.reset(); }

    void statsShowTheCliFigures_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("positions");
        QTest::addColumn<int>("choice"); // of StatsDialog::kDrawCounts
        QTest::newRow("two, 近30期") << 0 << QString() << 0;
        QTest::newRow("three 万千百, all") << 1 << QStringLiteral("万千百") << 7;
        QTest::newRow("four, 近100期") << 2 << QString() << 2;
        QTest::newRow("four 万百十个, 近50期") << 2 << QStringLiteral("万百十个") << 1;
    }
    void statsShowTheCliFigures() {
        QFETCH(int, mode);
        QFETCH(QString, positions);
        QFETCH(int, choice);
        useDraws(120);
        StatsDialog* dialog = openStats(mode);
        QVERIFY(dialog && dialog->isVisible());
        if (!positions.isEmpty())
            for (int k = 0; k < 5; ++k)
                if (dialog->positionButtons[k]->isOn() !=
                    positions.contains(QString::fromStdString(
                        std::string(history::kPositionNames[static_cast<std::size_t>(k)]))))
                    dialog->positionButtons[k]->click();
        dialog->drawCount->setCurrentIndex(choice);
        QVERIFY(dialog->result());

        QStringList args = {QStringLiteral("stats"), QStringLiteral("--mode"),
                            QString::fromLatin1(Name(static_cast<Mode>(mode)).data()),
                            QStringLiteral("--draws"), drawFile};
        if (!positions.isEmpty())
            args << QStringLiteral("--positions") << positions;
        if (const int n = StatsDialog::kDrawCounts[static_cast<std::size_t>(choice)]; n > 0)
            args << QStringLiteral("--last") << QString::number(n);
        const Cli cli = RunCli(args);
        QCOMPARE(cli.status, 0);
        QCOMPARE(TableAsText(*dialog), cli.out);

        // Sorted by a figure through the proxy; filtered to one group.
        dialog->table->sortByColumn(2, Qt::DescendingOrder);
        QSortFilterProxyModel* proxy = dialog->proxy;
        for (int row = 1; row < proxy->rowCount(); ++row)
            QVERIFY(proxy->index(row - 1, 2).data().toInt() >= proxy->index(row, 2).data().toInt());
        dialog->groupFilter->setCurrentIndex(2);
        const QString group = dialog->groupFilter->currentText();
        QVERIFY(proxy->rowCount() > 0 && proxy->rowCount() < dialog->model->rowCount());
        for (int row = 0; row < proxy->rowCount(); ++row)
            QCOMPARE(proxy->index(row, 0).data().toString(), group);
    }

    // Ticked rows put on a panel that already holds some of them; the
    // panel's shrink is then the tool's shrink of a scheme of exactly those
    // buttons, the earlier ones included.
    void applyThenShrinkIsTheSchemeOfTheButtons_data() {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QStringList>("before"); // field=value ticked by hand first
        QTest::addColumn<QStringList>("ticks");
        QTest::addColumn<int>("added");
        QTest::newRow("two") << 0 << QStringList{}
                             << QStringList{"kill_spans=0", "shapes.route012=12",
                                            "position_kill[1]=3"}
                             << 3;
        QTest::newRow("three") << 1 << QStringList{"kill_sums=27"}
                               << QStringList{"kill_sums=27", "kill_shapes.odd_even=奇奇奇",
                                              "exclude_routes=012", "keep_counts.big=3"}
                               << 3;
        QTest::newRow("four, sums into the box")
            << 2 << QStringList{"kill_sums=36"}
            << QStringList{"kill_sums=00", "kill_sums=36", "position_kill[0]=9", "run_repeat=AAAA",
                           "pattern_route012=2202"}
            << 4;
    }
    void applyThenShrinkIsTheSchemeOfTheButtons() {
        QFETCH(int, mode);
        QFETCH(QStringList, before);
        QFETCH(QStringList, ticks);
        QFETCH(int, added);
        useDraws(40);
        StatsDialog* dialog = openStats(mode);
        QVERIFY(dialog);
        const scheme::Scheme untouched = front();
        auto toggle = [](const QString& text) {
            const QStringList parts = text.split(u'=');
            return scheme::Toggle{parts[0].toStdString(), parts[1].toStdString(), {}, {}};
        };
        std::vector<scheme::Toggle> all;
        for (const QString& t : before)
            all.push_back(toggle(t));
        window->analysisActions()->apply(all); // as if clicked on the panel
        for (const QString& t : ticks) {
            QVERIFY2(dialog->setChecked(toggle(t).field, toggle(t).value, true), qPrintable(t));
            all.push_back(toggle(t));
        }
        click(QStringLiteral("statsApply"));
        QVERIFY2(dialog->message->text().contains(QStringLiteral("勾选了%1个按钮").arg(added)),
                 qPrintable(dialog->message->text()));

        // The panel as it starts (its boxes' hints included) with exactly
        // those buttons on.
        const scheme::Scheme expected = scheme::AddToggles(untouched, all);
        QCOMPARE(QString::fromStdString(scheme::WriteScheme(front())),
                 QString::fromStdString(scheme::WriteScheme(expected)));
        const QString file = write(QStringLiteral("applied.json"),
                                   QByteArray::fromStdString(scheme::WriteScheme(expected)));
        const Cli cli = RunCli({QStringLiteral("shrink"), file});
        QCOMPARE(cli.status, 0);
        QCOMPARE(shrink(mode), cli.out.trimmed());
    }

    void statsWithoutDrawsOrWithWrongPositionsSaySo() {
        StatsDialog* dialog = openStats(1);
        QVERIFY(dialog->message->text().contains(QStringLiteral("还没有开奖数据")));
        QCOMPARE(dialog->model->rowCount(), 0);
        QVERIFY(!dialog->applyButton->isEnabled());
        useDraws(10);
        QTRY_VERIFY(dialog->result().has_value());
        dialog->positionButtons[0]->click();
        QVERIFY(dialog->message->text().contains(QStringLiteral("要选3个号码位置")));
        QCOMPARE(dialog->model->rowCount(), 0);
    }

    void trendChartOpensAtTheLatestDraw() {
        useDraws(400);
        click(QStringLiteral("C_ding_1"));
        click(QStringLiteral("trendChart"));
        TrendWindow* trend = window->analysisActions()->trendWindow();
        QVERIFY(trend && trend->isVisible());
        QVERIFY(QTest::qWaitForWindowExposed(trend));
        TrendChart* chart = trend->chart;
        QCOMPARE(chart->rowCount(), 400);
        QScrollBar* bar = chart->verticalScrollBar();
        QVERIFY(bar->maximum() > 0);
        QCOMPARE(bar->value(), bar->maximum());
        chart->viewport()->repaint();
        QCOMPARE(chart->lastPaintedRow(), 399);
        QVERIFY(chart->firstPaintedRow() > 300);
        bar->setValue(0);
        chart->viewport()->repaint();
        QCOMPARE(chart->firstPaintedRow(), 0);
        QVERIFY(chart->lastPaintedRow() < 100);

        const history::OmissionFigures grid = history::ComputeOmission(window->historyState());
        for (std::size_t p = 0; p < 5; ++p)
            for (std::size_t d = 0; d < 10; ++d)
                QCOMPARE(int(chart->figures().rows.back().omission[p][d]), grid.current[p][d]);
        QCOMPARE(chart->summaryText(0, 4, 3),
                 QString::number(chart->figures().summary.appearances[4][3]));
        // 百十个 for three-star: the sum and span of the last three digits.
        const history::TrendRow& last = chart->figures().rows.back();
        QCOMPARE(last.sum, last.Digit(2) + last.Digit(3) + last.Digit(4));
    }
};

QTEST_MAIN(AnalysisTest)
#include "test_analysis.moc"
