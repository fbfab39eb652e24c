#include "history/draw_store.hpp"

#include <gtest/gtest.h>

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
    EXPECT_EQ(state.draws.Period(1), "20261207149");
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
