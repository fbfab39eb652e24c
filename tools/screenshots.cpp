// Renders the window in each mode to PNG, offscreen, so a layout change can
// be looked at without a display: sorvanta-screenshots OUTPUT_DIR [DRAW_FILE]
#include "app/analysis_actions.hpp"
#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "app/scheme_actions.hpp"
#include "app/stats_dialog.hpp"
#include "app/trend_chart.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/verification/verification_strip.hpp"
#include "scheme/scheme.hpp"
#include "shell/description_window.hpp"
#include "shell/help_topics.hpp"
#include "shell/message_box.hpp"
#include "shell/qt_translations.hpp"
#include "shell/text_boxes.hpp"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QEventLoop>
#include <QFile>
#include <QFontDatabase>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QStyleFactory>
#include <QTableView>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
}

// Saves `widget` as NAME.png in `folder` and prints the path; false, with a
// line on standard error, when the file cannot be written.
bool Shoot(QWidget* widget, const QString& folder, const QString& name) {
    const QString path = QDir(folder).filePath(name + QStringLiteral(".png"));
    if (!widget->grab().save(path)) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%s\n", qPrintable(path));
    return true;
}
} // namespace

int main(int argc, char** argv) {
    QApplication app(argc, argv);
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    sorvanta::ui::InstallQtChinese(app);
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    // The shots never touch the player's draws or settings.
    QTemporaryDir storeDir;
    sorvanta::ui::HistorySourceOptions history;
    history.storePath =
        QDir(storeDir.path()).filePath(QStringLiteral("draws.sqlite")).toStdString();
    history.baseAddress = QString();
    history.keepAddress = false;
    sorvanta::ui::Fmain window(history);
    window.show();
    settle(200);

    // A shot that cannot be written fails the run at the end; the first one
    // fails it at once, since the folder is then of no use.
    bool written = true;
    const auto shot = [&](QWidget* widget, const QString& name) {
        written = Shoot(widget, outDir, name) && written;
    };
    const char* const names[3] = {"two-star", "three-star", "four-star"};
    for (int mode : {2, 1, 0}) {
        window.switchMode(mode);
        settle(50);
        if (!Shoot(&window, outDir, QString::fromLatin1(names[mode])))
            return 1;
    }
    // Every four-star page, so each condition page can be checked too.
    window.switchMode(2);
    for (int page = 0; page < 8; ++page) {
        window.fourStar()->switchPage(page);
        settle(30);
        shot(&window, QStringLiteral("four-star-page-%1").arg(page));
    }
    // Every three-star page behind its tab.
    window.switchMode(1);
    auto* threeStar = window.findChild<sorvanta::ui::ThreeStarPanel*>();
    for (int page = 0; threeStar && page < sorvanta::ui::ThreeStarPanel::kPageCount; ++page) {
        threeStar->switchPage(page);
        settle(30);
        shot(&window, QStringLiteral("three-star-page-%1").arg(page));
    }

    // The scheme backtest before any draw is stored: it offers the import.
    window.switchMode(2);
    window.schemeActions()->showBacktest();
    settle(50);
    shot(window.schemeActions()->backtestDialog(), QStringLiteral("backtest-dialog-no-draws"));
    window.schemeActions()->backtestDialog()->hide();

    // The strip with the sample draws, a backtest and an extraction.
#ifdef SORVANTA_SAMPLE_DRAWS
    const QString drawFile =
        argc > 2 ? QString::fromLocal8Bit(argv[2]) : QStringLiteral(SORVANTA_SAMPLE_DRAWS);
#else
    const QString drawFile = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();
#endif
    if (!drawFile.isEmpty()) {
        window.switchMode(2);
        window.historySource()->importFile(drawFile);
        window.historySource()->waitForImports();
        window.findChild<sorvanta::ui::TextBox*>(QStringLiteral("T_cs_ip_5"))
            ->setText(QStringLiteral("2601 1590 8016 1318 0913"));
        window.findChild<sorvanta::ui::LineBox*>(QStringLiteral("T_cs_ip_4"))
            ->setText(QStringLiteral("20"));
        window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks_12"))->click();
        window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks_13"))->click();
        settle(50);
        for (const auto& [name, widget] :
             {std::pair<const char*, QWidget*>{"strip-filled", window.strip()},
              {"window-filled", &window}})
            shot(widget, QString::fromLatin1(name));
        // The scheme backtest of a four-star panel with a few groups on,
        // over the same draws.
        window.fourStar()->writeInput(
            sorvanta::scheme::ParseScheme(
                R"({"format":"sorvanta-scheme","version":1,"mode":"four","conditions":{
                    "kill_sums":"00 01 02 03 34 35 36","kill_spans":"01","kill_ac":"1",
                    "ratio_big_small":["0:4","4:0"],"ratio_tolerance":["0","0"],
                    "special_shapes":["上山","下山"],"total_tolerance":["0","0"]}})")
                .four());
        window.schemeActions()->showBacktest();
        // The money with a 倍投 plan, and its balance chart.
        auto* backtest = window.schemeActions()->backtestDialog();
        backtest->price->setText(QStringLiteral("2"));
        backtest->plan->setText(QStringLiteral("1,2,4,8"));
        settle(100);
        shot(backtest, QStringLiteral("backtest-dialog"));
        // The same on a 1280x720 screen at this scale: shrunk, scrolling.
        const qreal ratio = backtest->devicePixelRatioF();
        backtest->fitInto(QRect(0, 0, qRound(1280 / ratio), qRound(720 / ratio)));
        settle(50);
        shot(backtest, QStringLiteral("backtest-dialog-1280x720"));
        backtest->plan->setText(QStringLiteral("1"));
        backtest->hide();
        // 条件统计 of the four-star panel, sorted by the kills of the last
        // 30 draws, and the trend chart of the same draws.
        sorvanta::ui::AnalysisActions* looks = window.analysisActions();
        looks->showStats();
        sorvanta::ui::StatsDialog* stats = looks->statsDialog();
        stats->drawCount->setCurrentIndex(0);
        stats->table->sortByColumn(2, Qt::DescendingOrder);
        settle(100);
        shot(stats, QStringLiteral("stats-dialog"));
        stats->hide();
        looks->showTrend();
        settle(100);
        shot(looks->trendWindow(), QStringLiteral("trend-chart"));
        looks->trendWindow()->hide();
    }
    // A refused scheme of each kind, as its 错误提示 box says it.
    {
        const char* const refused[][2] = {
            {"invalid-json", R"({"format":"sorvanta-scheme","version":1,)"},
            {"unknown-condition", R"({"format":"sorvanta-scheme","version":1,"mode":"four",
                "conditions":{"kill_foo":1}})"},
            {"wrong-kind", R"({"format":"sorvanta-scheme","version":1,"mode":"four",
                "conditions":{"kill_spans":5}})"},
            {"not-a-digit", R"({"format":"sorvanta-scheme","version":1,"mode":"three",
                "conditions":{"kill_spans":"1a"}})"},
            {"wrong-count", R"({"format":"sorvanta-scheme","version":1,"mode":"three",
                "conditions":{"position_kill":["1","2"]}})"},
            {"no-such-button", R"({"format":"sorvanta-scheme","version":1,"mode":"two",
                "conditions":{"shapes":{"big_small":["大大"]}}})"},
            {"out-of-range", R"({"format":"sorvanta-scheme","version":1,"mode":"two",
                "conditions":{"kill_sums":[19]}})"},
            {"nested", R"({"format":"sorvanta-scheme","version":1,"mode":"three",
                "conditions":{"pair_sums":{"keep_sum":["1",2,""]}}})"},
            {"version", R"({"format":"sorvanta-scheme","version":2,"mode":"two"})"},
            {"missing-mode", R"({"format":"sorvanta-scheme","version":1})"},
            {"field-twice", R"({"format":"sorvanta-scheme","format":"x"})"},
        };
        sorvanta::ui::MessageBox::setTestMode(true);
        for (const auto& [name, text] : refused) {
            QFile file(QDir(storeDir.path()).filePath(QStringLiteral("refused.json")));
            if (!file.open(QIODevice::WriteOnly) || file.write(text) < 0)
                continue;
            file.close();
            sorvanta::ui::MessageBox::clearShown();
            window.schemeActions()->loadSchemeFile(file.fileName());
            if (sorvanta::ui::MessageBox::shown().isEmpty())
                continue;
            const auto& said = sorvanta::ui::MessageBox::shown().last();
            QMessageBox box(&window);
            sorvanta::ui::MessageBox::prepare(box, said.kind, said.title, said.text);
            box.show();
            settle(30);
            shot(&box, QStringLiteral("refused-scheme-%1").arg(QString::fromLatin1(name)));
        }
        sorvanta::ui::MessageBox::setTestMode(false);
    }

    // The description window with the banker-code illustration.
    sorvanta::ui::Fsm description(&window);
    description.setPicture(sorvanta::ui::ResourceBytes(QStringLiteral("DM")));
    description.show();
    settle(50);
    shot(&description, QStringLiteral("description-window"));
    return written ? 0 : 1;
}
