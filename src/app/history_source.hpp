#pragma once

#include "history/draw_history.hpp"
#include "history/draw_store.hpp"
#include "history/draw_text.hpp"

#include <QObject>
#include <QString>

#include <filesystem>
#include <memory>
#include <optional>

class QTimer;

namespace sorvanta::source {
class Collector;
struct Outcome;
} // namespace sorvanta::source

namespace sorvanta::ui {

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
// player imports. The collecting, reading and storing are the source
// library's (shared with the command line); this side ties them to the
// strip's buttons, the countdown and the table. A failure is reported in the
// strip's status line and leaves the table and the store as they were.
class HistorySource : public QObject {
    Q_OBJECT
public:
    // `lottery` and `line` are the strip's choice when the window opens.
    HistorySource(history::HistoryState& state, history::Lottery lottery, history::DataLine line,
                  HistorySourceOptions options, QObject* parent = nullptr);
    ~HistorySource() override;

    // Start-up, once no other copy runs: the kept address read, the store
    // opened and read for the chosen lottery and line, and the first
    // collection requested. Nothing is opened or fetched before.
    void start();

    // The strip chose another lottery (C_xl) or data line (Option_xl).
    void SelectLottery(history::Lottery lottery);
    void SelectDataLine(history::DataLine line);
    int CollectionCountdown() const { return countdown_; }

    history::Lottery lottery() const { return lottery_; }
    history::DataLine line() const { return line_; }

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
    bool isCollecting() const;
    bool isImporting() const;
    // Lets the event loop run until the imports asked for so far have been
    // read and stored (for a tool or a test that goes on with their draws);
    // false when they did not end within `timeoutMs`.
    bool waitForImports(int timeoutMs = 30000);
    // Removes one stored draw of the current lottery and line and refills
    // the table; false with the status line saying why.
    bool deleteDraw(const QString& period);
    QString status() const { return status_; }

signals:
    void statusChanged(const QString& text);
    // The seconds left, or the empty text when no collection is due.
    void countdownChanged(const QString& text);
    // The table was emptied or refilled.
    void historyChanged();

private:
    void openStore();
    void refillFromStore();
    void requestCollection();
    void tick();
    void showCountdown();
    void cancelCollection();
    void afterCollection();
    void finished(const source::Outcome& outcome);
    void setStatus(const QString& text);
    QString choiceName(history::Lottery lottery, history::DataLine line) const;

    history::HistoryState& state_;
    HistorySourceOptions options_;
    history::Lottery lottery_;
    history::DataLine line_;
    std::unique_ptr<history::DrawStore> store_;
    QString baseAddress_;
    QString status_;
    int countdown_ = 0;
    QTimer* ticker_ = nullptr;
    source::Collector* collector_ = nullptr;
    bool started_ = false;
};

} // namespace sorvanta::ui
