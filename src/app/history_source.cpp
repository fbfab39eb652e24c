#include "app/history_source.hpp"

#include "shell/from_utf8.hpp"
#include "shell/mycode.hpp"

#include "source/collector.hpp"
#include "source/source_address.hpp"
#include "source/status_line.hpp"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QRandomGenerator>
#include <QTime>
#include <QTimer>

#include <system_error>

namespace sorvanta::ui {

namespace {

constexpr int kCountdownStart = 20;

QString Now() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm"));
}

} // namespace

HistorySource::HistorySource(history::HistoryState& state, history::Lottery lottery,
                             history::DataLine line, HistorySourceOptions options, QObject* parent)
    : QObject(parent), state_(state), options_(std::move(options)), lottery_(lottery), line_(line) {
    ticker_ = new QTimer(this);
    ticker_->setInterval(qMax(1, options_.tickMs));
    connect(ticker_, &QTimer::timeout, this, &HistorySource::tick);
    collector_ = new source::Collector({{}, options_.timeoutMs}, this);
    connect(collector_, &source::Collector::finished, this, &HistorySource::finished);
}

HistorySource::~HistorySource() {
    cancelCollection();
    // A read being stored ends before the table it would refill goes.
    collector_->waitForWorker();
}

void HistorySource::start() {
    if (started_)
        return;
    started_ = true;
    if (options_.baseAddress)
        baseAddress_ = source::NormalisedAddress(*options_.baseAddress);
    else if (options_.keepAddress)
        baseAddress_ = source::KeptAddress();
    openStore();
    refillFromStore();
    requestCollection();
}

void HistorySource::openStore() {
    if (options_.storePath.empty()) {
        setStatus(FromUtf8(history::StoreError{history::StoreProblem::CannotOpen, {}}.Message()));
        return;
    }
    std::error_code ignored;
    std::filesystem::create_directories(options_.storePath.parent_path(), ignored);
    history::StoreError error;
    store_ =
        history::DrawStore::Open(options_.storePath, history::DrawStore::Access::ReadWrite, error);
    // Told once; the window runs on without a store and keeps what it
    // collects for this run only.
    if (!store_)
        setStatus(FromUtf8(error.Message()));
    else
        collector_->setStore(options_.storePath);
}

QString HistorySource::choiceName(history::Lottery lottery, history::DataLine line) const {
    return FromUtf8(history::LotteryName(lottery)) +
           QStringLiteral("线路%1").arg(static_cast<int>(line));
}

void HistorySource::SelectLottery(history::Lottery lottery) {
    lottery_ = lottery;
    // A download under way is for the lottery that was chosen before, and
    // so is the line that reported on the last one.
    cancelCollection();
    setStatus(QString());
    refillFromStore();
    requestCollection();
}

void HistorySource::SelectDataLine(history::DataLine line) {
    line_ = line;
    cancelCollection();
    setStatus(QString());
    state_.draws.Clear();
    refillFromStore();
    requestCollection();
}

void HistorySource::refillFromStore() {
    if (store_) {
        history::StoreError error;
        if (history::FillHistoryFromStore(*store_, lottery(), line(), state_, error) < 0)
            setStatus(FromUtf8(error.Message()));
    } else {
        // Without a store there is nothing of this lottery and line to show
        // until the next collection.
        state_.draws.Clear();
    }
    emit historyChanged();
}

bool HistorySource::IsUsableAddress(const QString& address) {
    return source::IsUsableAddress(address);
}

bool HistorySource::setBaseAddress(const QString& address) {
    const QString base = source::NormalisedAddress(address);
    if (base.isEmpty() && !address.trimmed().isEmpty())
        return false;
    baseAddress_ = base;
    if (options_.keepAddress)
        source::KeepAddress(baseAddress_);
    cancelCollection();
    if (baseAddress_.isEmpty()) {
        ticker_->stop();
        showCountdown();
        setStatus(QStringLiteral("未设置数据源地址"));
    } else {
        collectNow();
    }
    return true;
}

void HistorySource::requestCollection() {
    countdown_ = kCountdownStart;
    if (baseAddress_.isEmpty()) {
        ticker_->stop();
        if (store_ || status_.isEmpty())
            setStatus(QStringLiteral("未设置数据源地址"));
    } else {
        ticker_->start();
    }
    showCountdown();
}

void HistorySource::showCountdown() {
    emit countdownChanged(baseAddress_.isEmpty() ? QString() : QString::number(countdown_));
}

void HistorySource::tick() {
    if (isCollecting())
        return;
    countdown_ = qMax(0, countdown_ - 1);
    showCountdown();
    if (countdown_ == 0) {
        ticker_->stop();
        collectNow();
    }
}

void HistorySource::collectNow() {
    cancelCollection();
    ticker_->stop();
    countdown_ = 0;
    showCountdown();
    if (baseAddress_.isEmpty()) {
        setStatus(QStringLiteral("未设置数据源地址"));
        return;
    }
    const history::Lottery chosen = lottery();
    const history::DataLine chosenLine = line();
    collector_->collect(
        source::CollectionAddress(baseAddress_, chosen, chosenLine,
                                  QRandomGenerator::global()->bounded(1u, 1000000000u)),
        chosen, chosenLine);
    setStatus(QStringLiteral("正在采集%1…").arg(choiceName(chosen, chosenLine)));
}

bool HistorySource::isCollecting() const {
    return collector_->collecting();
}

bool HistorySource::isImporting() const {
    return collector_->importing();
}

bool HistorySource::waitForImports(int timeoutMs) {
    const QDeadlineTimer deadline(timeoutMs);
    while (isImporting() && !deadline.hasExpired())
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    return !isImporting();
}

void HistorySource::cancelCollection() {
    collector_->cancelCollection();
}

void HistorySource::afterCollection() {
    if (baseAddress_.isEmpty())
        return;
    countdown_ = qMax(1, options_.repeatSeconds);
    ticker_->start();
    showCountdown();
}

void HistorySource::finished(const source::Outcome& outcome) {
    const bool shown = outcome.lottery == lottery() && outcome.line == line();
    // Stored draws of another choice wait in the store for their turn; the
    // table belongs to the lottery and line chosen now.
    if (outcome.ok() && shown) {
        history::FillHistory(state_, outcome.line, outcome.latest);
        emit historyChanged();
    }
    if (outcome.job == source::Job::Import || shown)
        setStatus(source::StatusLine(outcome, Now()));
    if (outcome.job == source::Job::Collection)
        afterCollection();
}

void HistorySource::importFile(const QString& path) {
    collector_->importFile(path, lottery(), line());
}

bool HistorySource::deleteDraw(const QString& period) {
    if (!store_) {
        setStatus(QStringLiteral("开奖数据库无法打开，不能删除"));
        return false;
    }
    const history::StoreDelete removed = store_->Delete(lottery(), line(), period.toStdString());
    if (removed.error) {
        setStatus(FromUtf8(removed.error.Message()));
        return false;
    }
    if (removed.deleted == 0) {
        setStatus(QStringLiteral("第%1期不在开奖数据库中").arg(period));
        return false;
    }
    setStatus(QStringLiteral("已删除第%1期").arg(period));
    refillFromStore();
    return true;
}

void HistorySource::setStatus(const QString& text) {
    status_ = text;
    emit statusChanged(text);
}

} // namespace sorvanta::ui
