// Cold start of the window as a player meets it: a fresh process builds the
// window, shows it, runs the start-up sequence and quits. Run as
//
//     sorvanta-cold-start [RUNS]
//
// it starts itself RUNS times (default 15) and prints each run's wall time
// with the median; the target is half a second.
#include "app/fmain.hpp"
#include "app/single_instance.hpp"

#include <QApplication>
#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

int RunOnce(int argc, char** argv) {
    QElapsedTimer clock;
    clock.start();
    QApplication app(argc, argv);
    // A name of its own, so a copy the user runs is not disturbed and the
    // check costs what it costs for real.
    sorvanta::ui::SingleInstance instance(
        QStringLiteral("sorvanta-bench-%1").arg(QCoreApplication::applicationPid()));
    sorvanta::ui::Fmain window;
    window.setSingleInstance(&instance);
    QObject::connect(&window, &sorvanta::ui::Fmain::startupFinished, &app, [&] {
        std::printf("%lld\n", static_cast<long long>(clock.elapsed()));
        // exit(), not quit(): quit() closes the window, which asks to confirm.
        QCoreApplication::exit(0);
    });
    window.show();
    return app.exec();
}

} // namespace

int main(int argc, char** argv) {
    if (argc > 1 && qstrcmp(argv[1], "--once") == 0)
        return RunOnce(argc, argv);

    const int runs = argc > 1 ? std::max(1, std::atoi(argv[1])) : 15;
    QCoreApplication app(argc, argv);
    std::vector<double> wall;
    for (int i = 0; i < runs; ++i) {
        QProcess child;
        child.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QStringLiteral("--once")});
        if (!child.waitForFinished(30000) || child.exitCode() != 0) {
            std::fprintf(stderr, "run %d did not finish\n", i + 1);
            return 1;
        }
        wall.push_back(static_cast<double>(clock.nsecsElapsed()) / 1e6);
        const QByteArray inside = child.readAllStandardOutput().trimmed();
        std::printf("run %2d: %7.1f ms (start-up done after %s ms inside)\n", i + 1, wall.back(),
                    inside.constData());
    }
    std::sort(wall.begin(), wall.end());
    std::printf(
        "cold start over %d runs: median %.1f ms, min %.1f ms, max %.1f ms (target 500 ms)\n", runs,
        wall[wall.size() / 2], wall.front(), wall.back());
    return 0;
}
