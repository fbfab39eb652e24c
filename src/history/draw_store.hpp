#pragma once

#include "history/draw_history.hpp"

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::history {

enum class StoreProblem {
    None,
    CannotOpen,
    Corrupt,
    WriteFailed,
    ReadFailed,
    NeedsRecovery, // a write was cut off and this reader may not roll it back
    UpgradeFailed, // an older store could not be upgraded; it was left as it was
    TooNew,        // written by a later version of the program; not written to
};

struct StoreError {
    StoreProblem problem = StoreProblem::None;
    std::string detail; // the database's own words, for a log or the command line

    explicit operator bool() const { return problem != StoreProblem::None; }
    // One short line for the strip.
    std::string Message() const;
};

// What a read does with stored periods it holds with another draw: the
// stored draw stays unless the player asked for the read's draws to win.
enum class WriteMode { KeepStored, Replace };

struct StoreWrite {
    StoreError error;
    int added = 0;     // periods the store did not have
    int conflicts = 0; // stored periods the read had with another draw, kept as stored
    int replaced = 0;  // the same, given the read's draw (WriteMode::Replace)
    // The lottery and line now hold dated and undated periods, which cannot
    // be put in time order, and this write added to them.
    bool mixedPeriods = false;
};

struct StoreDelete {
    StoreError error;
    int deleted = 0;
};

struct StoreRead {
    StoreError error;
    std::vector<Draw> draws; // latest first
};

// The draws collected or imported so far, one SQLite file for every lottery
// and line, so the backtest works offline. A file that cannot be opened or is
// not a sound database is reported and left exactly as it is.
class DrawStore {
public:
    // ReadWrite creates the file (not its folder) when it is missing.
    // Recover reads only, but opens the file for writing when it may, so that
    // a write cut off by a killed process is rolled back and an older store
    // upgraded; it never creates the file. ReadOnly never writes at all.
    enum class Access { ReadWrite, ReadOnly, Recover };

    // nullptr with `error` set when the file cannot be used. A reader that
    // meets an interrupted write it may not roll back gets NeedsRecovery.
    static std::unique_ptr<DrawStore> Open(const std::filesystem::path& file, Access access,
                                           StoreError& error);
    ~DrawStore();
    DrawStore(const DrawStore&) = delete;
    DrawStore& operator=(const DrawStore&) = delete;

    // All draws of one read in one immediate transaction, waiting up to 5 s
    // for another writer: either every draw is stored or, on any failure, the
    // store stays as it was. Periods are stored canonically; periods the read
    // lacks are kept; a stored period keeps its draw unless `mode` is Replace.
    StoreWrite Write(Lottery lottery, DataLine line, std::span<const Draw> draws,
                     WriteMode mode = WriteMode::KeepStored);

    // Removes one stored draw; the period may be given in any spelling.
    StoreDelete Delete(Lottery lottery, DataLine line, std::string_view period);

    // The most recent `limit` stored draws (all with a negative limit).
    StoreRead Latest(Lottery lottery, DataLine line, int limit) const;

    // Why an older store found at open is still read in its old form (it
    // could not be upgraded); empty otherwise. The store still reads right.
    const StoreError& Notice() const;

private:
    struct Impl;
    explicit DrawStore(std::unique_ptr<Impl> impl);
    std::unique_ptr<Impl> impl_;
};

// After a lottery or line choice: the table emptied and refilled with the most
// recent RowsOfLine(line) stored draws of that lottery and line; `HistoryLine`
// becomes the line when a draw was filled in. Returns the rows filled, or -1
// with `error` set when the store could not be read (the table is then empty).
int FillHistoryFromStore(const DrawStore& store, Lottery lottery, DataLine line,
                         HistoryState& state, StoreError& error);

// Where the window keeps its store without Qt to ask: the per-user data
// folder of the application "Sorvanta" as Qt's AppDataLocation names it
// ($XDG_DATA_HOME or ~/.local/share, %APPDATA%, ~/Library/Application
// Support), then "draws.sqlite". Empty when no home folder is known.
std::filesystem::path DefaultStorePath();

} // namespace sorvanta::history
