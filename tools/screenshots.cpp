// Renders the window in each mode to PNG, offscreen, so a layout change can
// be looked at without a display: sorvanta-screenshots OUTPUT_DIR
#include "app/fmain.hpp"
#include "panels/four_star/four_star_panel.hpp"
#include "shell/description_window.hpp"
#include "shell/help_topics.hpp"

#include <QApplication>
#include <QDir>
#include <QEventLoop>
#include <QFontDatabase>
#include <QStyleFactory>
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
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    sorvanta::ui::Fmain window;
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
