#include "history/draw_store.hpp"

#include "history/draw_text.hpp"

#include <SQLiteCpp/SQLiteCpp.h>
#include <sqlite3.h>

#include <algorithm>
#include <cstdlib>
#include <unordered_set>

namespace sorvanta::history {

namespace {

// Version 2 keys every period canonically and keeps whether it is dated, so
// the store orders periods as the reader does; the draw text is checked by
// the table itself, so no caller can store a row that the backtest would
// misread. A table with row ids keeps the order rows came in.
constexpr int kVersion = 2;
constexpr const char* kTable = R"sql(
CREATE TABLE %s (
    lottery TEXT NOT NULL,
    line INTEGER NOT NULL,
    period TEXT NOT NULL CHECK (period <> ''),
    number TEXT NOT NULL CHECK (length(number) = 5 AND number NOT GLOB '*[^0-9]*'),
    dated INTEGER NOT NULL,
    period_major INTEGER NOT NULL,
    period_minor INTEGER NOT NULL,
    PRIMARY KEY (lottery, line, period)
))sql";
constexpr const char* kIndex = R"sql(
CREATE INDEX draws_latest
    ON draws (lottery, line, dated DESC, period_major DESC, period_minor DESC, period DESC))sql";

constexpr int kBusyTimeoutMs = 5000;

std::string Table(const char* name) {
    std::string sql = kTable;
    sql.replace(sql.find("%s"), 2, name);
    return sql;
}

StoreError ErrorOf(const SQLite::Exception& e, StoreProblem otherwise) {
    const int code = e.getErrorCode();
    const StoreProblem problem =
        code == SQLITE_CORRUPT || code == SQLITE_NOTADB ? StoreProblem::Corrupt : otherwise;
    return {problem, e.what()};
}

int UserVersion(SQLite::Database& db) {
    return db.execAndGet("PRAGMA user_version").getInt();
}

struct Insert {
    SQLite::Statement statement;
    Insert(SQLite::Database& db, const char* table)
        : statement(db, std::string("INSERT INTO ") + table +
                            " (lottery, line, period, number, dated, period_major, period_minor)"
                            " VALUES (?, ?, ?, ?, ?, ?, ?) ON CONFLICT DO NOTHING") {}
    // False when the period was there already.
    bool Run(const std::string& lottery, int line, const std::string& period,
             const std::string& number) {
        const PeriodKey key = KeyOfPeriod(period);
        statement.bind(1, lottery);
        statement.bind(2, line);
        statement.bind(3, period);
        statement.bind(4, number);
        statement.bind(5, key.dated ? 1 : 0);
        statement.bind(6, static_cast<std::int64_t>(key.major));
        statement.bind(7, static_cast<std::int64_t>(key.minor));
        const bool inserted = statement.exec() > 0;
        statement.reset();
        return inserted;
    }
};

// A version-1 store kept periods as they were written, so one draw could be
// stored under two spellings. They become one canonical row; the row stored
// first wins. A version-1 table has no row ids, so "first" falls back to the
// table's own order, where "20261207-023" comes before "20261207023".
void UpgradeFromVersionOne(SQLite::Database& db) {
    db.exec(Table("draws_upgraded"));
    std::unique_ptr<SQLite::Statement> rows;
    try {
        rows = std::make_unique<SQLite::Statement>(
            db, "SELECT lottery, line, period, number FROM draws ORDER BY rowid");
    } catch (const SQLite::Exception&) {
        rows = std::make_unique<SQLite::Statement>(
            db, "SELECT lottery, line, period, number FROM draws");
    }
    Insert insert(db, "draws_upgraded");
    while (rows->executeStep())
        insert.Run(rows->getColumn(0).getString(), rows->getColumn(1).getInt(),
                   CanonicalPeriod(rows->getColumn(2).getString()), rows->getColumn(3).getString());
    rows.reset();
    db.exec("DROP TABLE draws");
    db.exec("ALTER TABLE draws_upgraded RENAME TO draws");
    db.exec(kIndex);
}

// Brings a writable store to the current version in one immediate
// transaction; a second program doing the same at once waits and then
// finds nothing left to do.
void Prepare(SQLite::Database& db) {
    SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
    if (UserVersion(db) == kVersion)
        return;
    if (db.tableExists("draws")) {
        UpgradeFromVersionOne(db);
    } else {
        db.exec(Table("draws"));
        db.exec(kIndex);
    }
    db.exec("PRAGMA user_version = " + std::to_string(kVersion));
    transaction.commit();
}

bool HasJournal(const std::filesystem::path& file) {
    std::error_code ec;
    std::filesystem::path journal = file;
    journal += "-journal";
    return std::filesystem::file_size(journal, ec) > 0 && !ec;
}

// Draws of the old form: every spelling as it was stored. Read as the
// upgrade would make them, so a reader that may not upgrade sees the same.
std::vector<Draw> OldFormLatest(SQLite::Database& db, const std::string& lottery, int line,
                                int limit) {
    SQLite::Statement query(db, "SELECT period, number FROM draws WHERE lottery = ? AND line = ?");
    query.bind(1, lottery);
    query.bind(2, line);
    std::vector<Draw> draws;
    std::unordered_set<std::string> seen;
    while (query.executeStep()) {
        std::string period = CanonicalPeriod(query.getColumn(0).getString());
        if (seen.insert(period).second)
            draws.push_back({std::move(period), query.getColumn(1).getString()});
    }
    std::sort(draws.begin(), draws.end(),
              [](const Draw& a, const Draw& b) { return LaterPeriod(a.period, b.period); });
    if (limit >= 0 && draws.size() > static_cast<std::size_t>(limit))
        draws.resize(static_cast<std::size_t>(limit));
    return draws;
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
    case StoreProblem::NeedsRecovery:
        return "开奖数据库有一次未完成的写入，需由数据库所有者打开一次以恢复";
    case StoreProblem::UpgradeFailed:
        return "开奖数据库未能升级，已保持原样，本次只读";
    case StoreProblem::TooNew:
        return "开奖数据库来自更新版本的软件，未使用（文件已保留）";
    }
    return {};
}

struct DrawStore::Impl {
    std::unique_ptr<SQLite::Database> db;
    int version = 0; // 0: nothing stored yet; 1: the old form, read only
    bool writable = false;
    StoreError notice;

    StoreError NotWritable() const {
        return {StoreProblem::WriteFailed,
                notice ? notice.detail : std::string("the store was opened read-only")};
    }
};

DrawStore::DrawStore(std::unique_ptr<Impl> impl) : impl_(std::move(impl)) {}
DrawStore::~DrawStore() = default;

std::unique_ptr<DrawStore> DrawStore::Open(const std::filesystem::path& file, Access access,
                                           StoreError& error) {
    error = {};
    auto impl = std::make_unique<Impl>();
    try {
        const int flags = access == Access::ReadWrite ? SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE
                          : access == Access::Recover ? SQLite::OPEN_READWRITE
                                                      : SQLite::OPEN_READONLY;
        try {
            impl->db = std::make_unique<SQLite::Database>(file, flags, kBusyTimeoutMs);
        } catch (const SQLite::Exception&) {
            if (access != Access::Recover)
                throw;
            impl->db =
                std::make_unique<SQLite::Database>(file, SQLite::OPEN_READONLY, kBusyTimeoutMs);
        }
    } catch (const SQLite::Exception& e) {
        error = ErrorOf(e, StoreProblem::CannotOpen);
        return nullptr;
    }
    SQLite::Database& db = *impl->db;
    const bool mayWrite =
        access != Access::ReadOnly && sqlite3_db_readonly(db.getHandle(), "main") == 0;
    try {
        // SQLite opens any file lazily; a file that is not a database, or a
        // damaged one, shows itself only on the first read, which is also
        // where a write cut off by a killed process is rolled back.
        SQLite::Statement check(db, "PRAGMA quick_check");
        if (!check.executeStep() || check.getColumn(0).getString() != "ok") {
            error = {StoreProblem::Corrupt, check.hasRow() ? check.getColumn(0).getString() : ""};
            return nullptr;
        }
    } catch (const SQLite::Exception& e) {
        // A journal beside the file that this reader could not roll back;
        // a live writer's journal only makes a reader wait (busy).
        const int code = e.getErrorCode();
        if (code != SQLITE_CORRUPT && code != SQLITE_NOTADB && code != SQLITE_BUSY &&
            code != SQLITE_LOCKED && HasJournal(file)) {
            error = {StoreProblem::NeedsRecovery, e.what()};
            return nullptr;
        }
        error = ErrorOf(e, StoreProblem::CannotOpen);
        return nullptr;
    }
    try {
        int version = UserVersion(db);
        if (version > kVersion) {
            error = {StoreProblem::TooNew, "store version " + std::to_string(version)};
            return nullptr;
        }
        if (mayWrite && (version != kVersion) &&
            (access == Access::ReadWrite || db.tableExists("draws"))) {
            try {
                Prepare(db);
            } catch (const SQLite::Exception& e) {
                // The transaction rolled back: the store is as it was.
                impl->notice = ErrorOf(e, StoreProblem::UpgradeFailed);
                if (impl->notice.problem == StoreProblem::Corrupt) {
                    error = impl->notice;
                    return nullptr;
                }
            }
            version = UserVersion(db);
        }
        if (version == kVersion)
            impl->version = kVersion;
        else if (db.tableExists("draws"))
            impl->version = 1;
        impl->writable = access == Access::ReadWrite && mayWrite && impl->version == kVersion;
    } catch (const SQLite::Exception& e) {
        error = ErrorOf(e, StoreProblem::CannotOpen);
        return nullptr;
    }
    return std::unique_ptr<DrawStore>(new DrawStore(std::move(impl)));
}

const StoreError& DrawStore::Notice() const {
    return impl_->notice;
}

StoreWrite DrawStore::Write(Lottery lottery, DataLine line, std::span<const Draw> draws,
                            WriteMode mode) {
    StoreWrite result;
    if (!impl_->writable) {
        result.error = impl_->NotWritable();
        return result;
    }
    for (const Draw& draw : draws) {
        if (!IsFiveDigitDraw(draw.number) || draw.period.empty()) {
            result.error = {StoreProblem::WriteFailed,
                            "not a draw: '" + draw.period + " " + draw.number + "'"};
            return result;
        }
    }
    const std::string code(LotteryCode(lottery));
    const int lineNumber = static_cast<int>(line);
    try {
        SQLite::Database& db = *impl_->db;
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement find(
            db, "SELECT number FROM draws WHERE lottery = ? AND line = ? AND period = ?");
        SQLite::Statement replace(
            db, "UPDATE draws SET number = ? WHERE lottery = ? AND line = ? AND period = ?");
        Insert insert(db, "draws");
        std::unordered_set<std::string> seen;
        for (const Draw& draw : draws) {
            std::string period = CanonicalPeriod(draw.period);
            if (!seen.insert(period).second)
                continue; // the read's first draw of a period is its draw
            find.bind(1, code);
            find.bind(2, lineNumber);
            find.bind(3, period);
            const bool stored = find.executeStep();
            const std::string number = stored ? find.getColumn(0).getString() : std::string();
            find.reset();
            if (!stored) {
                insert.Run(code, lineNumber, period, draw.number);
                ++result.added;
            } else if (number != draw.number && mode == WriteMode::KeepStored) {
                ++result.conflicts;
            } else if (number != draw.number) {
                replace.bind(1, draw.number);
                replace.bind(2, code);
                replace.bind(3, lineNumber);
                replace.bind(4, period);
                replace.exec();
                replace.reset();
                ++result.replaced;
            }
        }
        if (result.added > 0) {
            SQLite::Statement kinds(
                db, "SELECT count(DISTINCT dated) FROM draws WHERE lottery = ? AND line = ?");
            kinds.bind(1, code);
            kinds.bind(2, lineNumber);
            result.mixedPeriods = kinds.executeStep() && kinds.getColumn(0).getInt() > 1;
        }
        transaction.commit();
    } catch (const SQLite::Exception& e) {
        // The transaction rolled back on the way out.
        result = {};
        result.error = ErrorOf(e, StoreProblem::WriteFailed);
    }
    return result;
}

StoreDelete DrawStore::Delete(Lottery lottery, DataLine line, std::string_view period) {
    StoreDelete result;
    if (!impl_->writable) {
        result.error = impl_->NotWritable();
        return result;
    }
    try {
        SQLite::Database& db = *impl_->db;
        SQLite::Transaction transaction(db, SQLite::TransactionBehavior::IMMEDIATE);
        SQLite::Statement remove(db,
                                 "DELETE FROM draws WHERE lottery = ? AND line = ? AND period = ?");
        remove.bind(1, std::string(LotteryCode(lottery)));
        remove.bind(2, static_cast<int>(line));
        remove.bind(3, CanonicalPeriod(period));
        result.deleted = remove.exec();
        transaction.commit();
    } catch (const SQLite::Exception& e) {
        result = {};
        result.error = ErrorOf(e, StoreProblem::WriteFailed);
    }
    return result;
}

StoreRead DrawStore::Latest(Lottery lottery, DataLine line, int limit) const {
    StoreRead result;
    if (impl_->version == 0)
        return result;
    try {
        const std::string code(LotteryCode(lottery));
        if (impl_->version == 1) {
            result.draws = OldFormLatest(*impl_->db, code, static_cast<int>(line), limit);
            return result;
        }
        SQLite::Statement query(*impl_->db, R"sql(
SELECT period, number FROM draws WHERE lottery = ? AND line = ?
ORDER BY dated DESC, period_major DESC, period_minor DESC, period DESC LIMIT ?)sql");
        query.bind(1, code);
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

std::string ImportSummary(const DrawTextRead& read, const StoreWrite& write) {
    std::string line = ImportSummary(read);
    if (write.conflicts > 0)
        line += "，" + std::to_string(write.conflicts) + "期与已存号码不同，保留已存";
    if (write.replaced > 0)
        line += "，" + std::to_string(write.replaced) + "期已替换";
    return line;
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
