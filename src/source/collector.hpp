#pragma once

#include "source/outcome.hpp"

#include <QObject>
#include <QString>

#include <filesystem>
#include <functional>

class QNetworkAccessManager;
class QThreadPool;

namespace sorvanta::source {

class BoundedDownload;

struct CollectorOptions {
    // Empty: nothing is stored, a read only refills the table.
    std::filesystem::path store;
    int timeoutMs = 15000;
};

// One collection or import at a time per kind: the download runs on the
// caller's thread (asynchronously), reading and storing on a worker thread,
// so the window's event loop never waits for either. Every job ends with
// one `finished`, except one replaced or cancelled before it ended.
class Collector : public QObject {
    Q_OBJECT
public:
    explicit Collector(CollectorOptions options, QObject* parent = nullptr);
    ~Collector() override;

    void setStore(std::filesystem::path store) { options_.store = std::move(store); }

    // Fetches `address` as it is (see CollectionAddress) into the store of
    // the lottery and line; a collection under way is dropped first.
    void collect(const QString& address, history::Lottery lottery, history::DataLine line);
    // Drops a collection under way: nothing of it reaches the store or
    // `finished` (a read already being stored completes but is not told).
    void cancelCollection();
    bool collecting() const { return collecting_; }

    // Reads a file into the lottery and line. A file that is not a regular
    // file is refused at once, without being opened.
    void importFile(const QString& path, history::Lottery lottery, history::DataLine line);
    bool importing() const { return imports_ > 0; }

    // Waits for the worker's jobs to end (the program or a test ends).
    void waitForWorker();

signals:
    void finished(const sorvanta::source::Outcome& outcome);

private:
    void downloaded();
    void runOnWorker(std::function<Outcome()> job, std::function<void(Outcome)> done);

    CollectorOptions options_;
    QNetworkAccessManager* network_;
    BoundedDownload* download_;
    // One worker: reads and writes of the store happen in the order asked.
    QThreadPool* worker_;
    bool collecting_ = false;
    int generation_ = 0;
    int imports_ = 0;
    history::Lottery lottery_ = history::Lottery::Chongqing;
    history::DataLine line_ = history::DataLine::One;
};

} // namespace sorvanta::source

Q_DECLARE_METATYPE(sorvanta::source::Outcome)
