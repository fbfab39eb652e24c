#include "history/draw_store.hpp"

#include <SQLiteCpp/SQLiteCpp.h>
#include <gtest/gtest.h>

#include <csignal>
#include <sys/wait.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>
#include <tuple>
#include <vector>

using namespace sorvanta::history;
namespace fs = std::filesystem;

namespace {

class DrawStoreTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("sorvanta-store-" + std::to_string(std::random_device{}()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        path_ = folder_ / "draws.sqlite";
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    std::unique_ptr<DrawStore> OpenStore(DrawStore::Access access = DrawStore::Access::ReadWrite) {
        StoreError error;
        auto store = DrawStore::Open(path_, access, error);
        EXPECT_TRUE(store) << error.detail;
        return store;
    }
    std::vector<Draw> Latest(const DrawStore& store, Lottery lottery = Lottery::Chongqing,
                             DataLine line = DataLine::One, int limit = -1) {
        StoreRead read = store.Latest(lottery, line, limit);
        EXPECT_FALSE(read.error) << read.error.detail;
        return read.draws;
    }
    std::string Bytes(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }

    fs::path folder_;
    fs::path path_;
};

const std::vector<Draw> kFirst = {
    {"20261207-003", "33333"}, {"20261207-002", "22222"}, {"20261207-001", "11111"}};

TEST_F(DrawStoreTest, KeptAcrossReopenLatestFirstPerLotteryAndLine) {
    {
        auto store = OpenStore();
        StoreWrite w = store->Write(Lottery::Chongqing, DataLine::One, kFirst);
        EXPECT_EQ(w.added, 3);
        store->Write(Lottery::Tianjin, DataLine::One, {{{"20261207-009", "99999"}}});
        store->Write(Lottery::Chongqing, DataLine::Two, {{{"20261207-008", "88888"}}});
    }
    auto store = OpenStore(DrawStore::Access::ReadOnly);
    EXPECT_EQ(Latest(*store), kFirst);
    EXPECT_EQ(Latest(*store, Lottery::Chongqing, DataLine::One, 2),
              std::vector<Draw>(kFirst.begin(), kFirst.begin() + 2));
    EXPECT_EQ(Latest(*store, Lottery::Tianjin).size(), 1u);
    EXPECT_EQ(Latest(*store, Lottery::Chongqing, DataLine::Two).size(), 1u);
    EXPECT_TRUE(Latest(*store, Lottery::Xinjiang).empty());
}

TEST_F(DrawStoreTest, LaterReadAddsButNeverShrinksNorChangesUnlessAsked) {
    auto store = OpenStore();
    store->Write(Lottery::Chongqing, DataLine::One, kFirst);
    // -002 differs from the store, -003 repeats it, -010 is new; the read's
    // periods come in other spellings of the same draws.
    const std::vector<Draw> second = {
        {"20261207010", "10101"}, {"261207002", "22229"}, {"20261207-3", "33333"}};
    const struct {
        WriteMode mode;
        StoreWrite expected;
        const char* second;
    } cases[] = {
        {WriteMode::KeepStored, {{}, 1, 1, 0, false}, "22222"},
        {WriteMode::KeepStored, {{}, 0, 1, 0, false}, "22222"},
        {WriteMode::Replace, {{}, 0, 0, 1, false}, "22229"},
        {WriteMode::Replace, {{}, 0, 0, 0, false}, "22229"},
    };
    for (const auto& c : cases) {
        const StoreWrite w = store->Write(Lottery::Chongqing, DataLine::One, second, c.mode);
        EXPECT_EQ(std::tie(w.added, w.conflicts, w.replaced),
                  std::tie(c.expected.added, c.expected.conflicts, c.expected.replaced));
        // Numeric order: -010 is later than -003 although "0" < "3" would not say so.
        EXPECT_EQ(Latest(*store), (std::vector<Draw>{{"20261207-010", "10101"},
                                                     {"20261207-003", "33333"},
                                                     {"20261207-002", c.second},
                                                     {"20261207-001", "11111"}}));
    }
}

TEST_F(DrawStoreTest, FailedWriteLeavesStoreAsItWas) {
    auto store = OpenStore();
    store->Write(Lottery::Chongqing, DataLine::One, kFirst);
    const std::vector<Draw> bad = {{"20261207-004", "44444"}, {"20261207-005", "5555x"}};
    const StoreWrite w = store->Write(Lottery::Chongqing, DataLine::One, bad);
    EXPECT_EQ(w.error.problem, StoreProblem::WriteFailed);
    EXPECT_EQ(w.added, 0);
    EXPECT_EQ(Latest(*store), kFirst);
}

TEST_F(DrawStoreTest, UnusableFilesReportedNeverDeleted) {
    const struct {
        const char* name;
        std::string bytes;
        StoreProblem problem;
    } cases[] = {
        {"not a database", std::string(4096, 'x'), StoreProblem::Corrupt},
        {"damaged header", std::string("SQLite format 3\0", 16) + std::string(4080, '\x07'),
         StoreProblem::Corrupt},
    };
    for (const auto& c : cases) {
        {
            std::ofstream out(path_, std::ios::binary | std::ios::trunc);
            out << c.bytes;
        }
        for (auto access : {DrawStore::Access::ReadWrite, DrawStore::Access::ReadOnly}) {
            StoreError error;
            EXPECT_FALSE(DrawStore::Open(path_, access, error)) << c.name;
            EXPECT_EQ(error.problem, c.problem) << c.name << ": " << error.detail;
            EXPECT_FALSE(error.Message().empty());
        }
        EXPECT_EQ(Bytes(path_), c.bytes) << c.name << ": the file must stay as it was";
    }
    StoreError error;
    EXPECT_FALSE(DrawStore::Open(folder_, DrawStore::Access::ReadWrite, error));
    EXPECT_EQ(error.problem, StoreProblem::CannotOpen);
    EXPECT_FALSE(
        DrawStore::Open(folder_ / "missing" / "draws.sqlite", DrawStore::Access::ReadWrite, error));
    EXPECT_EQ(error.problem, StoreProblem::CannotOpen);
}

TEST_F(DrawStoreTest, ReadOnlyStoreRefusesWrites) {
    OpenStore();
    auto store = OpenStore(DrawStore::Access::ReadOnly);
    EXPECT_TRUE(store->Write(Lottery::Chongqing, DataLine::One, kFirst).error);
    EXPECT_TRUE(Latest(*store).empty());
}

TEST_F(DrawStoreTest, FillsTheTableForTheChosenLine) {
    std::vector<Draw> many;
    for (int i = 0; i < 150; ++i)
        many.push_back({"2026120" + std::to_string(7000 + i), "12345"});
    auto store = OpenStore();
    store->Write(Lottery::Xinjiang, DataLine::Two, many);

    HistoryState state;
    state.HistoryLine = 1;
    StoreError error;
    EXPECT_EQ(FillHistoryFromStore(*store, Lottery::Xinjiang, DataLine::Two, state, error), 100);
    EXPECT_EQ(state.HistoryLine, 2);
    EXPECT_EQ(state.draws.Period(1), "20261207-149");
    EXPECT_FALSE(state.draws.HasDraw(101));
    // An empty lottery empties the table and keeps the line.
    EXPECT_EQ(FillHistoryFromStore(*store, Lottery::Tianjin, DataLine::One, state, error), 0);
    EXPECT_TRUE(state.draws.Empty());
    EXPECT_EQ(state.HistoryLine, 2);
}

TEST(DefaultStore, EndsInTheApplicationFolder) {
    const fs::path path = DefaultStorePath();
    if (path.empty())
        GTEST_SKIP() << "no home folder";
    EXPECT_EQ(path.filename(), "draws.sqlite");
    EXPECT_EQ(path.parent_path().filename(), "Sorvanta");
}

} // namespace

namespace {

// A store as version 1 of the program wrote it: periods as written, no
// row ids, no version number.
void WriteVersionOneStore(const fs::path& path, const std::vector<std::vector<std::string>>& rows) {
    SQLite::Database db(path, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
    db.exec(R"sql(
CREATE TABLE draws (lottery TEXT NOT NULL, line INTEGER NOT NULL, period TEXT NOT NULL,
    number TEXT NOT NULL CHECK (length(number) = 5 AND number NOT GLOB '*[^0-9]*'),
    period_major INTEGER NOT NULL, period_minor INTEGER NOT NULL,
    PRIMARY KEY (lottery, line, period)) WITHOUT ROWID;
CREATE INDEX draws_latest
    ON draws (lottery, line, period_major DESC, period_minor DESC, period DESC);)sql");
    SQLite::Transaction transaction(db);
    SQLite::Statement insert(db, "INSERT INTO draws VALUES (?, ?, ?, ?, 0, 0)");
    for (const auto& row : rows) {
        for (int i = 0; i < 4; ++i)
            insert.bind(i + 1, row[static_cast<std::size_t>(i)]);
        insert.exec();
        insert.reset();
    }
    transaction.commit();
}

int Rows(const fs::path& path) {
    SQLite::Database db(path, SQLite::OPEN_READONLY);
    return db.execAndGet("SELECT count(*) FROM draws").getInt();
}

// Draws with periods 20260101-NNN upward from `first`, one day per 1000.
std::vector<Draw> Batch(int first, int count) {
    std::vector<Draw> draws;
    for (int i = first; i < first + count; ++i)
        draws.push_back({std::to_string(20260101 + i / 1000) + "-" + std::to_string(i % 1000),
                         std::to_string(10000 + i % 90000)});
    return draws;
}

// Runs `body` in a child process and returns its exit status (-1 when it
// was killed).
template <typename Body> pid_t Spawn(Body body) {
    const pid_t pid = fork();
    if (pid == 0)
        _exit(body());
    return pid;
}
int Wait(pid_t pid) {
    int status = 0;
    waitpid(pid, &status, 0);
    return WIFEXITED(status) ? WEXITSTATUS(status) : -1;
}

TEST_F(DrawStoreTest, VersionOneStoreUpgradedOnceFirstSpellingWins) {
    WriteVersionOneStore(path_, {{"cq", "1", "20261207023", "22222"},
                                 {"cq", "1", "20261207-023", "11111"},
                                 {"cq", "1", "261207023", "33333"},
                                 {"cq", "1", "20131201063", "44444"},
                                 {"cq", "1", "20160116-023", "55555"},
                                 {"cq", "1", "1023001", "66666"},
                                 {"cq", "2", "20261207023", "77777"}});
    // A reader that may not write reads it as the upgrade will make it and
    // leaves it as it was.
    const std::vector<Draw> upgraded = {{"20261207-023", "11111"},
                                        {"20160116-023", "55555"},
                                        {"20131201-063", "44444"},
                                        {"1023001", "66666"}};
    EXPECT_EQ(Latest(*OpenStore(DrawStore::Access::ReadOnly)), upgraded);
    EXPECT_EQ(Rows(path_), 7);

    auto store = OpenStore();
    EXPECT_FALSE(store->Notice());
    EXPECT_EQ(Latest(*store), upgraded);
    EXPECT_EQ(Latest(*store, Lottery::Chongqing, DataLine::Two),
              (std::vector<Draw>{{"20261207-023", "77777"}}));
    EXPECT_EQ(Rows(path_), 5);
    // The old spellings now find the canonical rows.
    EXPECT_EQ(store->Write(Lottery::Chongqing, DataLine::One, {{{"20131201063", "44444"}}}).added,
              0);
    EXPECT_EQ(store->Delete(Lottery::Chongqing, DataLine::One, "261207023").deleted, 1);
    EXPECT_EQ(store->Delete(Lottery::Chongqing, DataLine::One, "20261207-023").deleted, 0);
    EXPECT_EQ(store->Delete(Lottery::Chongqing, DataLine::One, "1023001").deleted, 1);
}

TEST_F(DrawStoreTest, StoreThatCannotBeUpgradedIsLeftAsItWas) {
    WriteVersionOneStore(path_, {{"cq", "1", "20261207023", "22222"}});
    // A later program's table beside the old one blocks the upgrade's own.
    SQLite::Database(path_, SQLite::OPEN_READWRITE).exec("CREATE TABLE draws_upgraded (x)");
    const std::string before = Bytes(path_);
    auto store = OpenStore();
    EXPECT_EQ(store->Notice().problem, StoreProblem::UpgradeFailed);
    EXPECT_EQ(Latest(*store), (std::vector<Draw>{{"20261207-023", "22222"}}));
    EXPECT_TRUE(store->Write(Lottery::Chongqing, DataLine::One, kFirst).error);
    EXPECT_TRUE(store->Delete(Lottery::Chongqing, DataLine::One, "20261207023").error);
    store.reset();
    EXPECT_EQ(Bytes(path_), before);
}

TEST_F(DrawStoreTest, TwoWriterProcessesAtOnceBothSucceed) {
    OpenStore();
    const auto writer = [&](int first) {
        return [&, first] {
            StoreError error;
            auto store = DrawStore::Open(path_, DrawStore::Access::ReadWrite, error);
            for (int k = 0; store && k < 10; ++k)
                if (store->Write(Lottery::Chongqing, DataLine::One, Batch(first + k * 500, 500))
                        .error)
                    return 1;
            return store ? 0 : 2;
        };
    };
    const pid_t a = Spawn(writer(0));
    const pid_t b = Spawn(writer(5000));
    EXPECT_EQ(Wait(a), 0);
    EXPECT_EQ(Wait(b), 0);
    EXPECT_EQ(Rows(path_), 10000);
}

TEST_F(DrawStoreTest, WriterKilledAnywhereLeavesAReadableStore) {
    std::mt19937 random(19);
    int expected = 0; // rows of the whole batches written so far, at least
    for (int round = 0; round < 12; ++round) {
        const pid_t writer = Spawn([&] {
            StoreError error;
            auto store = DrawStore::Open(path_, DrawStore::Access::ReadWrite, error);
            for (int k = 0; store; ++k)
                store->Write(Lottery::Chongqing, DataLine::One,
                             Batch((round * 100 + k) * 2000, 2000));
            return 0;
        });
        usleep(static_cast<useconds_t>(random() % 150000));
        kill(writer, SIGKILL);
        Wait(writer);
        // A reader that may not write either reads or says the store needs
        // recovery; one that may write always reads the old or the new state.
        StoreError error;
        if (!DrawStore::Open(path_, DrawStore::Access::ReadOnly, error)) {
            EXPECT_EQ(error.problem, StoreProblem::NeedsRecovery) << error.detail;
        }
        auto reader = DrawStore::Open(path_, DrawStore::Access::Recover, error);
        ASSERT_TRUE(reader) << error.detail;
        const int rows = static_cast<int>(Latest(*reader).size());
        EXPECT_EQ(rows % 2000, 0);
        EXPECT_GE(rows, expected);
        expected = rows;
    }
}

TEST_F(DrawStoreTest, CutOffWriteInAReadOnlyFolderIsReportedThenRecoveredByTheOwner) {
    OpenStore()->Write(Lottery::Chongqing, DataLine::One, kFirst);
    int ready[2];
    ASSERT_EQ(pipe(ready), 0);
    // A writer that has changed the file itself when it is killed.
    const pid_t writer = Spawn([&] {
        SQLite::Database db(path_, SQLite::OPEN_READWRITE);
        db.exec("PRAGMA cache_size = 5");
        db.exec("BEGIN IMMEDIATE");
        db.exec("WITH RECURSIVE n(i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 20000) "
                "INSERT INTO draws SELECT 'cq', 1, 'x' || i, '12345', 0, i, -1 FROM n");
        (void)!write(ready[1], "x", 1);
        pause();
        return 0;
    });
    char byte = 0;
    ASSERT_EQ(read(ready[0], &byte, 1), 1);
    kill(writer, SIGKILL);
    Wait(writer);
    close(ready[0]);
    close(ready[1]);

    // Someone who may not write the folder: as root, another user.
    fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::remove);
    const pid_t stranger = Spawn([&] {
        if (geteuid() == 0 && setuid(65534) != 0)
            return 3;
        StoreError error;
        const auto store = DrawStore::Open(path_, DrawStore::Access::Recover, error);
        return !store && error.problem == StoreProblem::NeedsRecovery ? 0 : 1;
    });
    EXPECT_EQ(Wait(stranger), 0);
    fs::permissions(folder_, fs::perms::owner_write, fs::perm_options::add);

    StoreError error;
    auto owner = DrawStore::Open(path_, DrawStore::Access::Recover, error);
    ASSERT_TRUE(owner) << error.detail;
    EXPECT_EQ(Latest(*owner), kFirst);
}

} // namespace
