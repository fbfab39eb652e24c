#include "history/draw_store.hpp"

#include "history/draw_text.hpp"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <cstdlib>

namespace sorvanta::history {

namespace {

// The draw text is checked by the table itself, so no caller can store a
// row that the backtest would misread.
constexpr const char* kSchema = R"sql(
CREATE TABLE IF NOT EXISTS draws (
    lottery TEXT NOT NULL,
    line INTEGER NOT NULL,
    period TEXT NOT NULL,
    number TEXT NOT NULL CHECK (length(number) = 5 AND number NOT GLOB '*[^0-9]*'),
    period_major INTEGER NOT NULL,
    period_minor INTEGER NOT NULL,
    PRIMARY KEY (lottery, line, period)
) WITHOUT ROWID;
CREATE INDEX IF NOT EXISTS draws_latest
    ON draws (lottery, line, period_major DESC, period_minor DESC, period DESC);
)sql";

constexpr int kBusyTimeoutMs = 2000;

StoreError ErrorOf(const SQLite::Exception& e, StoreProblem otherwise) {
    const int code = e.getErrorCode();
    const StoreProblem problem =
        code == SQLITE_CORRUPT || code == SQLITE_NOTADB ? StoreProblem::Corrupt : otherwise;
    return {problem, e.what()};
}

} // namespace

std::string StoreError::Message() const {
    switch (problem) {
    case StoreProblem::None:
        return {};
    case StoreProblem::CannotOpen:
        return "开奖数据库无法打开，本次不保存开奖数据";
    case StoreProblem::Corrupt:
        return "开奖数据库已损坏，未使用（文件已保留）";
    case StoreProblem::WriteFailed:
        return "开奖数据未能存入数据库，数据库保持原样";
    case StoreProblem::ReadFailed:
        return "开奖数据库读取失败";
    }
    return {};
}

struct DrawStore::Impl {
    std::unique_ptr<SQLite::Database> db;
    bool hasTable = false;
};

DrawStore::DrawStore(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
DrawStore::~DrawStore() = default;

std::unique_ptr<DrawStore> DrawStore::Open(const std::filesystem::path& file, Access access,
                                           StoreError& error) {
    error = {};
    auto impl = std::make_unique<Impl>();
    try {
        const int flags = access == Access::ReadWrite ? SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE
                                                      : SQLite::OPEN_READONLY;
        impl->db = std::make_unique<SQLite::Database>(file, flags, kBusyTimeoutMs);
    } catch (const SQLite::Exception& e) {
        error = ErrorOf(e, StoreProblem::CannotOpen);
        return nullptr;
    }
    try {
        // SQLite opens any file lazily; a file that is not a database, or a
        // damaged one, shows itself only on the first read.
        SQLite::Statement check(*impl->db, "PRAGMA quick_check");
        if (!check.executeStep() || check.getColumn(0).getString() != "ok") {
            error = {StoreProblem::Corrupt, check.hasRow() ? check.getColumn(0).getString() : ""};
            return nullptr;
        }
        if (access == Access::ReadWrite) {
            impl->db->exec(kSchema);
            impl->hasTable = true;
        } else {
            impl->hasTable = impl->db->tableExists("draws");
        }
    } catch (const SQLite::Exception& e) {
        error = ErrorOf(e, StoreProblem::CannotOpen);
        return nullptr;
    }
    return std::unique_ptr<DrawStore>(new DrawStore(std::move(impl)));
}

StoreWrite DrawStore::Write(Lottery lottery, DataLine line, std::span<const Draw> draws) {
    StoreWrite result;
    if (!impl_->hasTable) {
        result.error = {StoreProblem::WriteFailed, "the store was opened read-only"};
        return result;
    }
    const std::string code(LotteryCode(lottery));
    const int lineNumber = static_cast<int>(line);
    try {
        SQLite::Database& db = *impl_->db;
        SQLite::Transaction transaction(db);
        SQLite::Statement count(db, "SELECT count(*) FROM draws WHERE lottery = ? AND line = ?");
        count.bind(1, code);
        count.bind(2, lineNumber);
        count.executeStep();
        const int before = count.getColumn(0).getInt();

        SQLite::Statement insert(db, R"sql(
INSERT INTO draws (lottery, line, period, number, period_major, period_minor)
VALUES (?, ?, ?, ?, ?, ?)
ON CONFLICT (lottery, line, period) DO UPDATE SET number = excluded.number
WHERE number <> excluded.number)sql");
        int touched = 0;
        for (const Draw& draw : draws) {
            const PeriodKey key = KeyOfPeriod(draw.period);
            insert.bind(1, code);
            insert.bind(2, lineNumber);
            insert.bind(3, draw.period);
            insert.bind(4, draw.number);
            insert.bind(5, static_cast<std::int64_t>(key.major));
            insert.bind(6, static_cast<std::int64_t>(key.minor));
            touched += insert.exec();
            insert.reset();
        }

        count.reset();
        count.executeStep();
        result.added = count.getColumn(0).getInt() - before;
        result.changed = touched - result.added;
        transaction.commit();
    } catch (const SQLite::Exception& e) {
        // The transaction rolled back on the way out.
        result = {};
        result.error = ErrorOf(e, StoreProblem::WriteFailed);
    }
    return result;
}

StoreRead DrawStore::Latest(Lottery lottery, DataLine line, int limit) const {
    StoreRead result;
    if (!impl_->hasTable)
        return result;
    try {
        SQLite::Statement query(*impl_->db, R"sql(
SELECT period, number FROM draws WHERE lottery = ? AND line = ?
ORDER BY period_major DESC, period_minor DESC, period DESC LIMIT ?)sql");
        query.bind(1, std::string(LotteryCode(lottery)));
        query.bind(2, static_cast<int>(line));
        query.bind(3, limit);
        while (query.executeStep())
            result.draws.push_back(
                {query.getColumn(0).getString(), query.getColumn(1).getString()});
    } catch (const SQLite::Exception& e) {
        result.draws.clear();
        result.error = ErrorOf(e, StoreProblem::ReadFailed);
    }
    return result;
}

int FillHistoryFromStore(const DrawStore& store, Lottery lottery, DataLine line,
                         HistoryState& state, StoreError& error) {
    StoreRead read = store.Latest(lottery, line, RowsOfLine(line));
    error = read.error;
    if (error) {
        state.draws.Clear();
        return -1;
    }
    return FillHistory(state, line, read.draws);
}

std::filesystem::path DefaultStorePath() {
    const auto env = [](const char* name) -> std::filesystem::path {
#ifdef _MSC_VER
        char* value = nullptr;
        std::size_t size = 0;
        if (_dupenv_s(&value, &size, name) != 0 || value == nullptr)
            return {};
        std::filesystem::path path = std::filesystem::u8path(value);
        std::free(value);
        return path;
#else
        const char* value = std::getenv(name);
        return value && *value ? std::filesystem::path(value) : std::filesystem::path();
#endif
    };
    std::filesystem::path folder;
#if defined(_WIN32)
    folder = env("APPDATA");
#elif defined(__APPLE__)
    if (const auto home = env("HOME"); !home.empty())
        folder = home / "Library" / "Application Support";
#else
    folder = env("XDG_DATA_HOME");
    if (folder.empty() || folder.is_relative()) {
        const auto home = env("HOME");
        folder = home.empty() ? std::filesystem::path() : home / ".local" / "share";
    }
#endif
    if (folder.empty())
        return {};
    return folder / "Sorvanta" / "draws.sqlite";
}

} // namespace sorvanta::history
