#include "app/history_source.hpp"

#include "shell/clear_button.hpp"
#include "shell/colour_button.hpp"
#include "shell/control_registry.hpp"
#include "shell/mycode.hpp"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QNetworkRequest>
#include <QRadioButton>
#include <QRandomGenerator>
#include <QSettings>
#include <QTime>
#include <QTimer>
#include <QUrl>

#include <system_error>

namespace sorvanta::ui {

namespace {

constexpr int kCountdownStart = 20;
const QString kAddressKey = QStringLiteral("dataSource/baseAddress");

QString FromUtf8(std::string_view text) {
    return QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
}

QString Now() {
    return QTime::currentTime().toString(QStringLiteral("HH:mm"));
}

} // namespace

HistorySource::HistorySource(history::HistoryState& state, ControlRegistry& controls,
                             HistorySourceOptions options, QObject* parent)
    : QObject(parent), state_(state), controls_(controls), options_(std::move(options)) {
    ticker_ = new QTimer(this);
    ticker_->setInterval(qMax(1, options_.tickMs));
    connect(ticker_, &QTimer::timeout, this, &HistorySource::tick);
    deadline_ = new QTimer(this);
    deadline_->setSingleShot(true);
    connect(deadline_, &QTimer::timeout, this, [this] {
        if (!reply_)
            return;
        abort_ = Abort::Timeout;
        reply_->abort();
    });
    network_ = new QNetworkAccessManager(this);
    if (options_.baseAddress)
        baseAddress_ = *options_.baseAddress;
    else if (options_.keepAddress)
        baseAddress_ = QSettings().value(kAddressKey).toString();
    if (!IsUsableAddress(baseAddress_))
        baseAddress_.clear();
}

HistorySource::~HistorySource() {
    cancelCollection();
}

void HistorySource::start() {
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
}

history::Lottery HistorySource::lottery() const {
    for (history::Lottery lottery : history::kLotteries) {
        const auto* button =
            controls_.at<ColourButton>(QStringLiteral("C_xl"), static_cast<int>(lottery));
        if (button && button->backColor() != Colour::Off)
            return lottery;
    }
    return history::Lottery::Chongqing;
}

history::DataLine HistorySource::line() const {
    const auto* two = controls_.at<QRadioButton>(QStringLiteral("Option_xl"), 1);
    return two && two->isChecked() ? history::DataLine::Two : history::DataLine::One;
}

QString HistorySource::choiceName(history::Lottery lottery, history::DataLine line) const {
    return FromUtf8(history::LotteryName(lottery)) +
           QStringLiteral("线路%1").arg(static_cast<int>(line));
}

void HistorySource::SelectLottery(int element) {
    const std::optional<history::Lottery> chosen = history::LotteryFromButton(element);
    if (!chosen)
        return;
    auto* button = controls_.at<ColourButton>(QStringLiteral("C_xl"), element);
    if (!button || button->backColor() != Colour::Off)
        return;
    set_button_color(controls_, QStringLiteral("C_xl"), 2, 4, Colour::Off);
    button->setBackColor(Colour::On);
    EmptyBox(controls_.widget(QStringLiteral("T_cs_ip"), 6));
    SetBoxText(controls_.widget(QStringLiteral("L_zs"), 1), QStringLiteral("0"));
    // A download under way is for the lottery that was chosen before.
    cancelCollection();
    refillFromStore();
    requestCollection();
}

void HistorySource::SelectDataLine() {
    cancelCollection();
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
    const QUrl url(address.trimmed(), QUrl::StrictMode);
    return url.isValid() &&
           (url.scheme() == QLatin1String("http") || url.scheme() == QLatin1String("https")) &&
           !url.host().isEmpty();
}

bool HistorySource::setBaseAddress(const QString& address) {
    QString base = address.trimmed();
    if (!base.isEmpty() && !IsUsableAddress(base))
        return false;
    if (!base.isEmpty() && !base.endsWith(QLatin1Char('/')))
        base += QLatin1Char('/');
    baseAddress_ = base;
    if (options_.keepAddress)
        QSettings().setValue(kAddressKey, baseAddress_);
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
    if (reply_)
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
    fetchLottery_ = lottery();
    fetchLine_ = line();
    QString address = baseAddress_;
    if (fetchLine_ == history::DataLine::One)
        address += FromUtf8(history::LineOneFile(fetchLottery_)) + QStringLiteral("?id=") +
                   QString::number(QRandomGenerator::global()->bounded(1, 1000000000));
    else
        address += FromUtf8(history::LineTwoPage(fetchLottery_));
    // One deadline for the whole download (see deadline_), not per stage:
    // a server that trickles bytes must not hold the collection for long.
    const QNetworkRequest request{QUrl(address)};
    abort_ = Abort::None;
    reply_ = network_->get(request);
    connect(reply_, &QNetworkReply::downloadProgress, this, [this](qint64 received, qint64 total) {
        if (!reply_ || abort_ != Abort::None)
            return;
        const auto limit = static_cast<qint64>(history::kMaxDrawTextBytes);
        if (received > limit || total > limit) {
            abort_ = Abort::TooLarge;
            reply_->abort();
        }
    });
    connect(reply_, &QNetworkReply::finished, this, &HistorySource::finishCollection);
    deadline_->start(qMax(1, options_.timeoutMs));
    setStatus(QStringLiteral("正在采集%1…").arg(choiceName(fetchLottery_, fetchLine_)));
}

void HistorySource::cancelCollection() {
    deadline_->stop();
    if (!reply_)
        return;
    QNetworkReply* reply = reply_;
    reply_ = nullptr;
    reply->disconnect(this);
    reply->abort();
    reply->deleteLater();
}

void HistorySource::finishCollection() {
    QNetworkReply* reply = reply_;
    if (!reply)
        return;
    reply_ = nullptr;
    deadline_->stop();
    reply->deleteLater();
    const QString failed = QStringLiteral("采集失败：");
    const int httpStatus = reply->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    QString problem;
    QByteArray body;
    if (abort_ == Abort::Timeout) {
        problem = QStringLiteral("%1秒内无结果").arg((options_.timeoutMs + 999) / 1000);
    } else if (abort_ == Abort::TooLarge) {
        problem = QStringLiteral("数据超过8MB");
    } else if (reply->error() != QNetworkReply::NoError || httpStatus != 200) {
        problem = httpStatus > 0 ? QStringLiteral("服务器返回%1").arg(httpStatus)
                                 : QStringLiteral("无法连接数据源");
    } else {
        body = reply->read(static_cast<qint64>(history::kMaxDrawTextBytes) + 1);
    }
    if (problem.isEmpty()) {
        const history::DrawTextRead read =
            history::ReadDrawText(std::string_view(body.constData(), body.size()));
        if (!read.ok) {
            problem = FromUtf8(read.error);
        } else if (read.draws.empty()) {
            problem = QStringLiteral("没有开奖号码");
        } else {
            int added = 0;
            const bool stored = absorb(read, fetchLottery_, fetchLine_, &added);
            if (stored)
                setStatus(QStringLiteral("%1 采集%2期，新增%3期")
                              .arg(Now())
                              .arg(read.draws.size())
                              .arg(added));
        }
    }
    if (!problem.isEmpty())
        setStatus(QStringLiteral("%1 ").arg(Now()) + failed + problem);
    afterCollection();
}

void HistorySource::afterCollection() {
    if (baseAddress_.isEmpty())
        return;
    countdown_ = qMax(1, options_.repeatSeconds);
    ticker_->start();
    showCountdown();
}

bool HistorySource::absorb(const history::DrawTextRead& read, history::Lottery lottery,
                           history::DataLine line, int* added) {
    if (added)
        *added = static_cast<int>(read.draws.size());
    if (store_) {
        const history::StoreWrite write = store_->Write(lottery, line, read.draws);
        if (!write.error) {
            if (added)
                *added = write.added;
            refillFromStore();
            return true;
        }
        setStatus(FromUtf8(write.error.Message()));
    }
    // Without a usable store the read itself is what this run works with.
    history::FillHistory(state_, line, read.draws);
    emit historyChanged();
    return !store_;
}

void HistorySource::importFile(const QString& path) {
    const QString failed = QStringLiteral("导入失败：");
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        setStatus(failed + QStringLiteral("无法读取文件"));
        return;
    }
    const auto limit = static_cast<qint64>(history::kMaxDrawTextBytes);
    if (file.size() > limit) {
        setStatus(failed + QStringLiteral("文件超过8MB"));
        return;
    }
    const QByteArray bytes = file.read(limit + 1);
    const history::DrawTextRead read =
        history::ReadDrawText(std::string_view(bytes.constData(), bytes.size()));
    if (!read.ok) {
        setStatus(failed + FromUtf8(read.error));
        return;
    }
    const QString summary = FromUtf8(history::ImportSummary(read));
    if (read.draws.empty()) {
        setStatus(summary);
        return;
    }
    if (absorb(read, lottery(), line(), nullptr))
        setStatus(summary);
    else
        setStatus(summary + QStringLiteral("；") + status_);
}

void HistorySource::setStatus(const QString& text) {
    status_ = text;
    emit statusChanged(text);
}

} // namespace sorvanta::ui
