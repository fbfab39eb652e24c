#include "source/collector.hpp"

#include "history/draw_text.hpp"
#include "source/absorb.hpp"
#include "source/bounded_download.hpp"

#include <QFutureWatcher>
#include <QNetworkAccessManager>
#include <QPromise>
#include <QThreadPool>

#include <memory>

namespace sorvanta::source {

Collector::Collector(CollectorOptions options, QObject* parent)
    : QObject(parent), options_(std::move(options)) {
    qRegisterMetaType<Outcome>();
    network_ = new QNetworkAccessManager(this);
    download_ = new BoundedDownload(*network_, static_cast<qsizetype>(history::kMaxDrawTextBytes),
                                    options_.timeoutMs, this);
    connect(download_, &BoundedDownload::finished, this, &Collector::downloaded);
    worker_ = new QThreadPool(this);
    worker_->setMaxThreadCount(1);
}

Collector::~Collector() {
    cancelCollection();
    waitForWorker();
}

void Collector::waitForWorker() {
    worker_->waitForDone();
}

void Collector::collect(const QString& address, history::Lottery lottery, history::DataLine line) {
    cancelCollection();
    collecting_ = true;
    lottery_ = lottery;
    line_ = line;
    download_->start(address);
}

void Collector::cancelCollection() {
    download_->cancel();
    collecting_ = false;
    ++generation_;
}

void Collector::downloaded() {
    Outcome failed;
    failed.lottery = lottery_;
    failed.line = line_;
    failed.failure = download_->failure();
    failed.httpStatus = download_->httpStatus();
    failed.timeoutMs = options_.timeoutMs;
    if (!failed.ok()) {
        collecting_ = false;
        emit finished(failed);
        return;
    }
    const int generation = generation_;
    const int status = failed.httpStatus;
    runOnWorker(
        [body = download_->takeBody(), lottery = lottery_, line = line_, store = options_.store] {
            return Absorb(std::string_view(body.constData(), static_cast<std::size_t>(body.size())),
                          lottery, line, store, kMinDrawsPerBody);
        },
        [this, generation, status](Outcome outcome) {
            if (generation != generation_)
                return; // dropped while it was being stored
            collecting_ = false;
            outcome.httpStatus = status;
            emit finished(outcome);
        });
}

void Collector::importFile(const QString& path, history::Lottery lottery, history::DataLine line) {
    const std::filesystem::path file = path.toStdU16String();
    const Failure refused = CheckImportFile(file);
    if (refused != Failure::None) {
        Outcome outcome;
        outcome.job = Job::Import;
        outcome.lottery = lottery;
        outcome.line = line;
        outcome.failure = refused;
        emit finished(outcome);
        return;
    }
    ++imports_;
    runOnWorker([file, lottery, line,
                 store = options_.store] { return AbsorbFile(file, lottery, line, store); },
                [this](Outcome outcome) {
                    --imports_;
                    emit finished(outcome);
                });
}

void Collector::runOnWorker(std::function<Outcome()> job, std::function<void(Outcome)> done) {
    auto promise = std::make_shared<QPromise<Outcome>>();
    auto* watcher = new QFutureWatcher<Outcome>(this);
    connect(watcher, &QFutureWatcher<Outcome>::finished, this, [watcher, done = std::move(done)] {
        watcher->deleteLater();
        if (watcher->future().resultCount() > 0)
            done(watcher->future().result());
    });
    watcher->setFuture(promise->future());
    promise->start();
    worker_->start([promise, job = std::move(job)] {
        promise->addResult(job());
        promise->finish();
    });
}

} // namespace sorvanta::source
