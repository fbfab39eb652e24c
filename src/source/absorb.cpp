#include "source/absorb.hpp"

#include "history/draw_store.hpp"
#include "history/draw_text.hpp"

#include <cerrno>
#include <fstream>
#include <system_error>

#ifdef __unix__
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>
#endif

namespace sorvanta::source {

namespace {

// The file opened without waiting: a file swapped for a FIFO after the
// check must not hold the worker, so the opened file is checked once more.
bool ReadUpTo(const std::filesystem::path& file, std::size_t limit, std::string& bytes) {
#ifdef __unix__
    const int fd = ::open(file.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
    if (fd < 0)
        return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    bytes.resize(limit);
    std::size_t got = 0;
    while (ok && got < limit) {
        const ssize_t n = ::read(fd, bytes.data() + got, limit - got);
        if (n < 0 && errno == EINTR)
            continue;
        ok = n >= 0;
        if (n <= 0)
            break;
        got += static_cast<std::size_t>(n);
    }
    ::close(fd);
    bytes.resize(got);
    return ok;
#else
    std::ifstream in(file, std::ios::binary);
    if (!in)
        return false;
    bytes.resize(limit);
    in.read(bytes.data(), static_cast<std::streamsize>(limit));
    if (in.bad())
        return false;
    bytes.resize(static_cast<std::size_t>(in.gcount()));
    return true;
#endif
}

} // namespace

Outcome Absorb(std::string_view bytes, history::Lottery lottery, history::DataLine line,
               const std::filesystem::path& store, int minDraws) {
    Outcome outcome;
    outcome.lottery = lottery;
    outcome.line = line;
    const history::DrawTextRead read = history::ReadDrawText(bytes);
    if (!read.ok) {
        outcome.failure = Failure::Unreadable;
        outcome.detail = read.error;
        return outcome;
    }
    outcome.read = static_cast<int>(read.draws.size());
    outcome.skipped = read.skipped;
    if (read.draws.empty() || outcome.read < minDraws) {
        outcome.failure = Failure::NoDraws;
        return outcome;
    }
    const auto rows = static_cast<std::size_t>(history::RowsOfLine(line));
    auto readAlone = [&] {
        outcome.added = outcome.read;
        outcome.latest.assign(read.draws.begin(),
                              read.draws.begin() +
                                  static_cast<std::ptrdiff_t>(std::min(rows, read.draws.size())));
    };
    if (store.empty()) {
        readAlone();
        return outcome;
    }
    history::StoreError error;
    std::unique_ptr<history::DrawStore> opened =
        history::DrawStore::Open(store, history::DrawStore::Access::ReadWrite, error);
    if (opened) {
        const history::StoreWrite write = opened->Write(lottery, line, read.draws);
        error = write.error;
        if (!write.error) {
            outcome.added = write.added;
            outcome.conflicts = write.conflicts;
            outcome.mixedPeriods = write.mixedPeriods;
            history::StoreRead latest = opened->Latest(lottery, line, static_cast<int>(rows));
            error = latest.error;
            if (!latest.error) {
                outcome.latest = std::move(latest.draws);
                return outcome;
            }
        }
    }
    // The read is still good for this run; the strip says the store failed.
    outcome.storeFailed = true;
    outcome.detail = error.Message();
    outcome.storeWords = error.detail;
    readAlone();
    return outcome;
}

Failure CheckImportFile(const std::filesystem::path& file) {
    std::error_code ec;
    // status() asks the file system about the file; it never opens it.
    const std::filesystem::file_status status = std::filesystem::status(file, ec);
    if (ec || !std::filesystem::exists(status))
        return Failure::CannotOpenFile;
    if (!std::filesystem::is_regular_file(status))
        return Failure::NotRegularFile;
    return Failure::None;
}

Outcome AbsorbFile(const std::filesystem::path& file, history::Lottery lottery,
                   history::DataLine line, const std::filesystem::path& store) {
    Outcome outcome;
    outcome.job = Job::Import;
    outcome.lottery = lottery;
    outcome.line = line;
    outcome.failure = CheckImportFile(file);
    if (!outcome.ok())
        return outcome;
    std::string bytes;
    if (!ReadUpTo(file, history::kMaxDrawTextBytes + 1, bytes)) {
        outcome.failure = Failure::CannotOpenFile;
        return outcome;
    }
    if (bytes.size() > history::kMaxDrawTextBytes) {
        outcome.failure = Failure::FileTooLarge;
        return outcome;
    }
    outcome = Absorb(bytes, lottery, line, store, 1);
    outcome.job = Job::Import;
    return outcome;
}

} // namespace sorvanta::source
