#pragma once

#include "history/draw_history.hpp"

#include <filesystem>
#include <memory>
#include <span>
#include <string>
#include <vector>

namespace sorvanta::history {

enum class StoreProblem { None, CannotOpen, Corrupt, WriteFailed, ReadFailed };

struct StoreError {
    StoreProblem problem = StoreProblem::None;
    std::string detail; // the database's own words, for a log or the command line

    explicit operator bool() const { return problem != StoreProblem::None; }
    // One short line for the strip.
    std::string Message() const;
};

struct StoreWrite {
    StoreError error;
    int added = 0;   // periods the store did not have
    int changed = 0; // stored periods whose draw the read corrected
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
    enum class Access { ReadWrite, ReadOnly };

    // nullptr with `error` set when the file cannot be used; ReadWrite creates
    // the file (not its folder) when it is missing.
    static std::unique_ptr<DrawStore> Open(const std::filesystem::path& file, Access access,
                                           StoreError& error);
    ~DrawStore();
    DrawStore(const DrawStore&) = delete;
    DrawStore& operator=(const DrawStore&) = delete;

    // All draws of one read in one transaction: either every draw is stored
    // or, on any failure, the store stays as it was. Periods the read lacks
    // are kept; a period it has again takes the read's draw.
    StoreWrite Write(Lottery lottery, DataLine line, std::span<const Draw> draws);

    // The most recent `limit` stored draws (all with a negative limit).
    StoreRead Latest(Lottery lottery, DataLine line, int limit) const;

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
