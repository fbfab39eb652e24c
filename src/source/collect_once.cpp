#include "source/collect_once.hpp"

#include "source/collector.hpp"
#include "source/source_address.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QRandomGenerator>

#include <memory>

namespace sorvanta::source {

bool IsUsableSourceAddress(const std::string& address) {
    return IsUsableAddress(QString::fromStdString(address));
}

Outcome CollectOnce(const std::string& address, history::Lottery lottery, history::DataLine line,
                    const std::filesystem::path& store, int timeoutMs) {
    // Qt's network needs an application object; a caller that has one (a
    // test) keeps it.
    static int argc = 1;
    static char name[] = "sorvanta-cli";
    static char* argv[] = {name, nullptr};
    std::unique_ptr<QCoreApplication> app;
    if (!QCoreApplication::instance())
        app = std::make_unique<QCoreApplication>(argc, argv);

    const QString given = QString::fromStdString(address);
    const QString kept = given.isEmpty() ? KeptAddress() : NormalisedAddress(given);
    if (kept.isEmpty()) {
        Outcome none;
        none.lottery = lottery;
        none.line = line;
        none.failure = Failure::NoAddress;
        return none;
    }
    Outcome outcome;
    Collector collector({store, timeoutMs});
    QEventLoop loop;
    QObject::connect(&collector, &Collector::finished, &loop, [&](const Outcome& ended) {
        outcome = ended;
        outcome.timeoutMs = timeoutMs;
        loop.quit();
    });
    collector.collect(CollectionAddress(kept, lottery, line,
                                        QRandomGenerator::global()->bounded(1u, 1000000000u)),
                      lottery, line);
    loop.exec();
    return outcome;
}

} // namespace sorvanta::source
