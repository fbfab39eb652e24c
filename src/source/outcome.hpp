#pragma once

#include "history/draw_history.hpp"

#include <string>
#include <vector>

namespace sorvanta::source {

// Why a collection or an import stored nothing; one status line each.
enum class Failure {
    None,
    NoAddress,
    NoConnection,
    Timeout,
    HttpStatus,
    CutShort,
    TooLarge,
    RedirectRefused,
    CannotDecompress,
    NoDraws,
    Unreadable,     // the draw-text reader refused the text (`detail` says why)
    NotRegularFile, // a FIFO, a device or a folder
    CannotOpenFile,
    FileTooLarge,
};

enum class Job { Collection, Import };

// The end of one collection or import, for the window's status line and the
// command line's, and the draws the table shows afterwards.
struct Outcome {
    Job job = Job::Collection;
    Failure failure = Failure::None;
    history::Lottery lottery = history::Lottery::Chongqing;
    history::DataLine line = history::DataLine::One;
    int httpStatus = 0;
    int timeoutMs = 0;
    std::string detail;     // the reader's or the store's line for the strip
    std::string storeWords; // the database's own words, for the command line
    int read = 0;           // draws in the text
    int skipped = 0;        // lines without a draw, and repeats
    int added = 0;          // periods the store did not have
    int conflicts = 0;      // stored periods with another draw, left as stored
    // The lottery and line now hold periods with and without a date, which
    // cannot be put in time order.
    bool mixedPeriods = false;
    // The store refused the write: the read itself is what the table shows.
    bool storeFailed = false;
    // Latest first, at most the line's rows: what the table is refilled
    // with after a read that stored draws.
    std::vector<history::Draw> latest;

    bool ok() const { return failure == Failure::None; }
};

} // namespace sorvanta::source
