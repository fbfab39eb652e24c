// Renders the window in each mode to PNG, offscreen, so a layout change can
// be looked at without a display: sorvanta-screenshots OUTPUT_DIR [DRAW_FILE]
#include "app/backtest_dialog.hpp"
#include "app/fmain.hpp"
#include "app/history_source.hpp"
#include "app/scheme_actions.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "panels/three_star/three_star_panel.hpp"
#include "panels/verification/verification_strip.hpp"
#include "scheme/scheme.hpp"
#include "shell/description_window.hpp"
#include "shell/help_topics.hpp"
#include "shell/qt_translations.hpp"
#include "shell/text_boxes.hpp"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QPushButton>
#include <QStyleFactory>
#include <QTemporaryDir>
#include <QTimer>

#include <cstdio>

namespace {
void settle(int ms) {
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
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

    const char* const names[3] = {"two-star", "three-star", "four-star"};
    for (int mode : {2, 1, 0}) {
        window.switchMode(mode);
        settle(50);
        const QString path = QDir(outDir).filePath(QStringLiteral("%1.png").arg(names[mode]));
        if (!window.grab().save(path)) {
            std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
            return 1;
        }
        std::printf("%s\n", qPrintable(path));
    }
    // Every four-star page, so each condition page can be checked too.
    window.switchMode(2);
    for (int page = 0; page < 8; ++page) {
        window.fourStar()->switchPage(page);
        settle(30);
        const QString path =
            QDir(outDir).filePath(QStringLiteral("four-star-page-%1.png").arg(page));
        window.grab().save(path);
        std::printf("%s\n", qPrintable(path));
    }
    // Every three-star page behind its tab.
    window.switchMode(1);
    auto* threeStar = window.findChild<sorvanta::ui::ThreeStarPanel*>();
    for (int page = 0; threeStar && page < sorvanta::ui::ThreeStarPanel::kPageCount; ++page) {
        threeStar->switchPage(page);
        settle(30);
        const QString path =
            QDir(outDir).filePath(QStringLiteral("three-star-page-%1.png").arg(page));
        window.grab().save(path);
        std::printf("%s\n", qPrintable(path));
    }

    // The scheme backtest before any draw is stored: it offers the import.
    window.switchMode(2);
    window.schemeActions()->showBacktest();
    settle(50);
    {
        auto* dialog = window.schemeActions()->backtestDialog();
        const QString shot = QDir(outDir).filePath(QStringLiteral("backtest-dialog-no-draws.png"));
        dialog->grab().save(shot);
        std::printf("%s\n", qPrintable(shot));
        dialog->hide();
    }

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
        window.strip()->verifyBox->setText(QStringLiteral("2601 1590 8016 1318 0913"));
        window.strip()->drawCount->setText(QStringLiteral("20"));
        window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks_12"))->click();
        window.findChild<QPushButton*>(QStringLiteral("C_guolv_ks_13"))->click();
        settle(50);
        for (const auto& [name, widget] :
             {std::pair<const char*, QWidget*>{"strip-filled", window.strip()},
              {"window-filled", &window}}) {
            const QString path = QDir(outDir).filePath(QStringLiteral("%1.png").arg(name));
            widget->grab().save(path);
            std::printf("%s\n", qPrintable(path));
        }
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
        settle(100);
        auto* dialog = window.schemeActions()->backtestDialog();
        const QString shot = QDir(outDir).filePath(QStringLiteral("backtest-dialog.png"));
        dialog->grab().save(shot);
        std::printf("%s\n", qPrintable(shot));
        dialog->hide();
    }
    // The description window with the banker-code illustration.
    sorvanta::ui::Fsm description(&window);
    description.setPicture(sorvanta::ui::ResourceBytes(QStringLiteral("DM")));
    description.show();
    settle(50);
    const QString path = QDir(outDir).filePath(QStringLiteral("description-window.png"));
    description.grab().save(path);
    std::printf("%s\n", qPrintable(path));
    return 0;
}
