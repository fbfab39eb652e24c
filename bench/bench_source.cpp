#include "app/fmain.hpp"
#include "app/history_source.hpp"

#include <QCoreApplication>
#include <QDate>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QFile>
#include <QTemporaryDir>
#include <QTimer>

#include <benchmark/benchmark.h>

#include <algorithm>

using namespace sorvanta;

namespace {

// 100,000 past draws, 120 a day, as a long-kept draw file holds them.
QByteArray HundredThousandDraws() {
    QByteArray text;
    text.reserve(100000 * 20);
    const QDate first(2023, 1, 1);
    for (int i = 0; i < 100000; ++i) {
        text += first.addDays(i / 120).toString(QStringLiteral("yyyyMMdd")).toLatin1() + '-' +
                QByteArray::number(1000 + i % 120).mid(1) + ' ' +
                QByteArray::number(10000 + (i * 7919) % 90000) + '\n';
    }
    return text;
}

} // namespace

// The window while a draw file of 100,000 draws is read and stored: the
// longest time its event loop went without serving a 5 ms timer. Reading
// and storing happen on the source's worker; only the refill of the table
// and the list is the window's.
static void BM_WindowLiveWhileImportingHundredThousandDraws(benchmark::State& state) {
    QTemporaryDir folder;
    const QString file = folder.filePath(QStringLiteral("draws.txt"));
    {
        QFile out(file);
        if (!out.open(QIODevice::WriteOnly) || out.write(HundredThousandDraws()) < 0) {
            state.SkipWithError("cannot write the draw file");
            return;
        }
    }
    ui::HistorySourceOptions options;
    options.storePath = folder.filePath(QStringLiteral("draws.sqlite")).toStdString();
    options.baseAddress = QString();
    options.keepAddress = false;
    ui::Fmain window(options);
    {
        QEventLoop started;
        QObject::connect(&window, &ui::Fmain::startupFinished, &started, &QEventLoop::quit);
        window.show();
        started.exec();
    }
    double longestGapMs = 0;
    for (auto _ : state) {
        QElapsedTimer clock;
        clock.start();
        qint64 last = 0;
        QTimer ticks;
        ticks.setInterval(5);
        QObject::connect(&ticks, &QTimer::timeout, [&] {
            const qint64 now = clock.elapsed();
            longestGapMs = std::max(longestGapMs, static_cast<double>(now - last));
            last = now;
        });
        ticks.start();
        window.historySource()->importFile(file);
        while (window.historySource()->isImporting())
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 50);
        // The refill the import asked for.
        QCoreApplication::processEvents();
        longestGapMs = std::max(longestGapMs, static_cast<double>(clock.elapsed() - last));
        if (window.historyState().draws.StoredRows() != 5000)
            state.SkipWithError("the table was not refilled");
    }
    state.counters["longest_gap_ms"] = longestGapMs;
    if (longestGapMs > 100)
        state.SkipWithError("the window's event loop blocked for more than 100 ms");
}
BENCHMARK(BM_WindowLiveWhileImportingHundredThousandDraws)
    ->Unit(benchmark::kMillisecond)
    ->Iterations(3);
