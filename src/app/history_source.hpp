#pragma once

#include "history/draw_history.hpp"
#include "history/draw_store.hpp"
#include "history/draw_text.hpp"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

class QNetworkAccessManager;
class QNetworkReply;
class QTimer;

namespace sorvanta::ui {

class ControlRegistry;

struct HistorySourceOptions {
    // The draws collected or imported so far; tests give a folder of their
    // own so they never see the player's draws.
    std::filesystem::path storePath = history::DefaultStorePath();
    // The base address of the source; unset: the one kept in the settings.
    std::optional<QString> baseAddress;
    // Whether an address the player sets is kept for the next run.
    bool keepAddress = true;
    int timeoutMs = 15000;
    // One step of the collection countdown; the countdown counts 20 of them.
    int tickMs = 1000;
    int repeatSeconds = 120;
};

// Fills the window's draw table: from the local store at once after every
// lottery or line choice, then from the network when the countdown runs out,
// again every two minutes while an address is set, and from files the
// player imports. A failure is reported in the strip's status line and
// leaves the table and the store as they were.
class HistorySource : public QObject {
    Q_OBJECT
public:
    HistorySource(history::HistoryState& state, ControlRegistry& controls,
                  HistorySourceOptions options, QObject* parent = nullptr);
    ~HistorySource() override;

    // Start-up: the store opened and read for the chosen lottery and line,
    // and the first collection requested.
    void start();

    void SelectLottery(int element); // C_xl element pressed
    void SelectDataLine();           // the other Option_xl switched on
    int CollectionCountdown() const { return countdown_; }

    history::Lottery lottery() const;
    history::DataLine line() const;

    QString baseAddress() const { return baseAddress_; }
    // False, changing nothing, for an address that is not http(s) with a
    // host; the empty text clears the address and stops collecting. A new
    // address is collected from at once.
    bool setBaseAddress(const QString& address);
    static bool IsUsableAddress(const QString& address);

    // Reads a draw file into the current lottery and line.
    void importFile(const QString& path);
    // A collection now, whatever the countdown says.
    void collectNow();

    bool hasStore() const { return store_ != nullptr; }
    bool isCollecting() const { return reply_ != nullptr; }
    QString status() const { return status_; }

signals:
    void statusChanged(const QString& text);
    // The seconds left, or the empty text when no collection is due.
    void countdownChanged(const QString& text);
    // The table was emptied or refilled.
    void historyChanged();

private:
    enum class Abort { None, Timeout, TooLarge };

    void openStore();
    void refillFromStore();
    void requestCollection();
    void tick();
    void showCountdown();
    void finishCollection();
    void cancelCollection();
    void afterCollection();
    // Stores a read and refills the table from the store; false when the
    // store refused it (the table then shows the read alone).
    bool absorb(const history::DrawTextRead& read, history::Lottery lottery, history::DataLine line,
                int* added);
    void setStatus(const QString& text);
    QString choiceName(history::Lottery lottery, history::DataLine line) const;

    history::HistoryState& state_;
    ControlRegistry& controls_;
    HistorySourceOptions options_;
    std::unique_ptr<history::DrawStore> store_;
    QString baseAddress_;
    QString status_;
    int countdown_ = 0;
    QTimer* ticker_ = nullptr;
    QTimer* deadline_ = nullptr;
    QNetworkAccessManager* network_ = nullptr;
    QNetworkReply* reply_ = nullptr;
    Abort abort_ = Abort::None;
    history::Lottery fetchLottery_ = history::Lottery::Chongqing;
    history::DataLine fetchLine_ = history::DataLine::One;
};

} // namespace sorvanta::ui
