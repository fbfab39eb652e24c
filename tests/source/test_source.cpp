// The history source against a local server: every cause of a failed
// collection has its own status, the body's memory stays bounded however the
// server sends it, nothing is stored from a failure or a near-empty page,
// and files that are not regular files are refused without being opened.
#include "draw_server.hpp"

#include "history/draw_store.hpp"
#include "source/absorb.hpp"
#include "source/collect_once.hpp"
#include "source/source_address.hpp"
#include "source/status_line.hpp"

#include <QCoreApplication>
#include <QEventLoop>
#include <QProcess>
#include <QTemporaryDir>
#include <QTimer>

#include <gtest/gtest.h>

#include <fstream>
#include <sys/resource.h>
#include <sys/stat.h>

using namespace sorvanta;
using source::Failure;

namespace {

struct CollectCase {
    const char* name;
    const char* path; // on the test server; {code} and {rows} stay for the source
    history::DataLine line;
    Failure failure;
    int stored;          // draws the store holds afterwards
    const char* latest;  // the latest stored draw, when any
    const char* english; // the command line's status begins so
};

void PrintTo(const CollectCase& c, std::ostream* os) {
    *os << c.name;
}

class Collect : public ::testing::TestWithParam<CollectCase> {
protected:
    static test::DrawServer* server;
    static void SetUpTestSuite() {
        server = new test::DrawServer;
        ASSERT_TRUE(server->listen());
    }
    static void TearDownTestSuite() { delete server; }
};
test::DrawServer* Collect::server = nullptr;

std::vector<history::Draw> Stored(const std::filesystem::path& file, history::Lottery lottery,
                                  history::DataLine line) {
    if (!std::filesystem::exists(file))
        return {};
    history::StoreError error;
    auto store = history::DrawStore::Open(file, history::DrawStore::Access::ReadOnly, error);
    return store ? store->Latest(lottery, line, -1).draws : std::vector<history::Draw>{};
}

TEST_P(Collect, EndsWithItsOwnCause) {
    const CollectCase& c = GetParam();
    QTemporaryDir folder;
    const std::filesystem::path store =
        folder.filePath(QStringLiteral("draws.sqlite")).toStdString();
    const source::Outcome outcome =
        source::CollectOnce(server->address(QString::fromLatin1(c.path)).toStdString(),
                            history::Lottery::Tianjin, c.line, store, 2000);
    EXPECT_EQ(outcome.failure, c.failure) << source::EnglishStatusLine(outcome);
    EXPECT_EQ(source::EnglishStatusLine(outcome).rfind(c.english, 0), 0u)
        << source::EnglishStatusLine(outcome);
    const std::vector<history::Draw> stored = Stored(store, history::Lottery::Tianjin, c.line);
    EXPECT_EQ(static_cast<int>(stored.size()), c.stored);
    if (*c.latest) {
        EXPECT_EQ(stored.empty() ? "" : stored.front().number, c.latest);
    }
    // A failure leaves no store file behind: nothing was opened for it.
    if (c.failure != Failure::None) {
        EXPECT_FALSE(std::filesystem::exists(store));
    }
    EXPECT_FALSE(source::StatusLine(outcome, QStringLiteral("10:50")).isEmpty());
}

INSTANTIATE_TEST_SUITE_P(
    Source, Collect,
    ::testing::Values(
        CollectCase{"plain_file", "ok/", history::DataLine::One, Failure::None, 30, "11110",
                    "collected 30 draws, 30 new"},
        CollectCase{"not_found", "missing/", history::DataLine::One, Failure::HttpStatus, 0, "",
                    "collection failed: the server answered HTTP 404"},
        CollectCase{"no_answer", "silent/", history::DataLine::One, Failure::Timeout, 0, "",
                    "collection failed: no answer within 2 s"},
        CollectCase{"cut_short", "cut/", history::DataLine::One, Failure::CutShort, 0, "",
                    "collection failed: the body was cut short"},
        CollectCase{"bad_gzip", "badgzip/", history::DataLine::One, Failure::CannotDecompress, 0,
                    "", "collection failed: the body cannot be decompressed"},
        CollectCase{"redirect_loop", "loop/", history::DataLine::One, Failure::RedirectRefused, 0,
                    "", "collection failed: redirect refused"},
        CollectCase{"declared_too_large", "huge/", history::DataLine::One, Failure::TooLarge, 0, "",
                    "collection failed: the body is over 8 MiB"},
        CollectCase{"endless_chunked", "endless/", history::DataLine::One, Failure::TooLarge, 0, "",
                    "collection failed: the body is over 8 MiB"},
        CollectCase{"error_page_one_row", "errorpage/", history::DataLine::Two, Failure::NoDraws, 0,
                    "", "collection failed: no draws in the body (1 draws"},
        CollectCase{"json_api_by_code", "api/{code}/{rows}", history::DataLine::Two, Failure::None,
                    12, "32567", "collected 12 draws, 12 new"}));

// The endless body of one case above, measured: the process holds no more
// than the bound and stops the transfer right past it.
TEST(SourceMemory, EndlessChunkedBodyStopsAtTheBound) {
    test::DrawServer server;
    ASSERT_TRUE(server.listen());
    QTemporaryDir folder;
    rusage before{};
    getrusage(RUSAGE_SELF, &before);
    const source::Outcome outcome = source::CollectOnce(
        server.address(QStringLiteral("endless/")).toStdString(), history::Lottery::Chongqing,
        history::DataLine::One, folder.filePath(QStringLiteral("s.sqlite")).toStdString(), 10000);
    rusage after{};
    getrusage(RUSAGE_SELF, &after);
    EXPECT_EQ(outcome.failure, Failure::TooLarge);
    const long grownKiB = after.ru_maxrss - before.ru_maxrss;
    EXPECT_LT(grownKiB, 32 * 1024);
    // What the kernel's socket buffers held besides the 8 MiB read.
    EXPECT_LT(server.bodyBytesSent, 32LL * 1024 * 1024);
}

struct AddressCase {
    const char* name;
    const char* address;
    history::Lottery lottery;
    history::DataLine line;
    const char* expected; // empty: not usable
};

void PrintTo(const AddressCase& c, std::ostream* os) {
    *os << c.name;
}

class Address : public ::testing::TestWithParam<AddressCase> {};

TEST_P(Address, IsUsedWholeOrAsABase) {
    const AddressCase& c = GetParam();
    const QString kept = source::NormalisedAddress(QString::fromUtf8(c.address));
    if (!*c.expected) {
        EXPECT_TRUE(kept.isEmpty()) << kept.toStdString();
        return;
    }
    EXPECT_EQ(source::CollectionAddress(kept, c.lottery, c.line, 7).toStdString(), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Source, Address,
    ::testing::Values(
        AddressCase{"base_line_one", "http://h:8080", history::Lottery::Xinjiang,
                    history::DataLine::One, "http://h:8080/xjssc_10000.txt?id=7"},
        AddressCase{"base_line_two", " http://h/d/ ", history::Lottery::Tianjin,
                    history::DataLine::Two,
                    "http://h/d/trend/view/ssc_zst5-tianjinssc-0-3-100.html"},
        AddressCase{"whole_with_rows", "https://h/api?c={code}&n={rows}",
                    history::Lottery::Chongqing, history::DataLine::One,
                    "https://h/api?c=cqssc&n=5000"},
        AddressCase{"whole_line_two", "http://h/{code}/{rows}.json", history::Lottery::Tianjin,
                    history::DataLine::Two, "http://h/tjssc/100.json"},
        AddressCase{"whole_without_rows", "http://h/{code}", history::Lottery::Xinjiang,
                    history::DataLine::Two, "http://h/xjssc"},
        AddressCase{"no_scheme", "h/{code}", history::Lottery::Xinjiang, history::DataLine::One,
                    ""},
        AddressCase{"file_scheme", "file:///tmp/", history::Lottery::Xinjiang,
                    history::DataLine::One, ""},
        AddressCase{"empty", "", history::Lottery::Xinjiang, history::DataLine::One, ""}));

// Only regular files are read; the others are refused before any open, so
// a FIFO nobody writes to cannot hold the reader.
TEST(SourceImport, OnlyRegularFilesAreRead) {
    QTemporaryDir folder;
    const std::filesystem::path dir = folder.path().toStdString();
    std::ofstream(dir / "draws.txt") << test::DrawLines(3).toStdString();
    std::ofstream(dir / "empty.txt") << "# nothing\nno draw here\n";
    ASSERT_EQ(mkfifo((dir / "fifo").c_str(), 0600), 0);
    const std::filesystem::path store = dir / "store.sqlite";
    const struct {
        std::filesystem::path file;
        Failure failure;
        int read;
    } rows[] = {
        {dir / "draws.txt", Failure::None, 3},      {dir / "empty.txt", Failure::NoDraws, 0},
        {dir / "fifo", Failure::NotRegularFile, 0}, {dir, Failure::NotRegularFile, 0},
        {"/dev/null", Failure::NotRegularFile, 0},  {dir / "missing", Failure::CannotOpenFile, 0},
    };
    for (const auto& row : rows) {
        SCOPED_TRACE(row.file.string());
        const source::Outcome outcome =
            source::AbsorbFile(row.file, history::Lottery::Xinjiang, history::DataLine::One, store);
        EXPECT_EQ(outcome.failure, row.failure);
        EXPECT_EQ(outcome.read, row.read);
    }
    EXPECT_EQ(Stored(store, history::Lottery::Xinjiang, history::DataLine::One).size(), 3u);
    const source::Outcome none = source::AbsorbFile(dir / "empty.txt", history::Lottery::Xinjiang,
                                                    history::DataLine::One, store);
    EXPECT_EQ(source::StatusLine(none, {}).toStdString(), "没有读到开奖号码，跳过1行");
}

// `draws fetch` as a timer or a script runs it: the window's collection,
// its line on standard output or one refusal line on standard error.
struct FetchCase {
    const char* name;
    std::vector<const char*> words; // after "draws fetch"; SERVER/ is the test server
    int runs;                       // the same command, one run after another
    int status;                     // of the last run
    const char* out;                // its standard output
    const char* err;                // its standard error begins so
};

void PrintTo(const FetchCase& c, std::ostream* os) {
    *os << c.name;
}

class FetchCli : public ::testing::TestWithParam<FetchCase> {};

TEST_P(FetchCli, SaysWhatTheWindowSays) {
    const FetchCase& c = GetParam();
    test::DrawServer server;
    ASSERT_TRUE(server.listen());
    QTemporaryDir folder;
    QStringList args = {QStringLiteral("draws"), QStringLiteral("fetch"), QStringLiteral("--store"),
                        folder.filePath(QStringLiteral("draws.sqlite"))};
    for (const char* word : c.words)
        args << QString::fromUtf8(word).replace(QLatin1String("SERVER/"),
                                                server.address(QString()));
    QProcess cli;
    // No address kept by a window of this machine's user can slip in.
    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("HOME"), folder.path());
    env.insert(QStringLiteral("XDG_CONFIG_HOME"), folder.path());
    cli.setProcessEnvironment(env);
    for (int run = 0; run < c.runs; ++run) {
        QEventLoop loop;
        QObject::connect(&cli, &QProcess::finished, &loop, &QEventLoop::quit);
        QTimer::singleShot(30000, &loop, &QEventLoop::quit);
        cli.start(QStringLiteral(SORVANTA_CLI), args);
        loop.exec();
        ASSERT_EQ(cli.state(), QProcess::NotRunning);
    }
    EXPECT_EQ(cli.exitCode(), c.status);
    EXPECT_EQ(cli.readAllStandardOutput().toStdString(), c.out);
    EXPECT_EQ(cli.readAllStandardError().toStdString().rfind(c.err, 0), 0u);
}

INSTANTIATE_TEST_SUITE_P(
    Source, FetchCli,
    ::testing::Values(
        FetchCase{"collects",
                  {"--lottery", "xj", "--source", "SERVER/ok"},
                  1,
                  0,
                  "collected 30 draws, 30 new\n",
                  ""},
        FetchCase{"again_adds_nothing",
                  {"--lottery", "xj", "--source", "SERVER/ok/"},
                  2,
                  0,
                  "collected 30 draws, 0 new\n",
                  ""},
        FetchCase{"http_status",
                  {"--lottery", "cq", "--line", "2", "--source", "SERVER/x/"},
                  1,
                  2,
                  "",
                  "sorvanta-cli: collection failed: the server answered HTTP 404\n"},
        FetchCase{"error_page",
                  {"--lottery", "tj", "--source", "SERVER/errorpage/"},
                  1,
                  2,
                  "",
                  "sorvanta-cli: collection failed: no draws in the body"},
        FetchCase{"no_address_kept",
                  {"--lottery", "tj"},
                  1,
                  2,
                  "",
                  "sorvanta-cli: no source address set; give --source ADDRESS\n"},
        FetchCase{"unusable_address",
                  {"--lottery", "tj", "--source", "ftp://h/"},
                  1,
                  2,
                  "",
                  "sorvanta-cli: --source must be an http:// or https:// address with a host\n"},
        FetchCase{"unknown_lottery",
                  {"--lottery", "bj", "--source", "SERVER/ok/"},
                  1,
                  2,
                  "",
                  "sorvanta-cli: --lottery must be cq, xj or tj\n"},
        FetchCase{"unknown_line",
                  {"--lottery", "cq", "--line", "3", "--source", "SERVER/ok/"},
                  1,
                  2,
                  "",
                  "sorvanta-cli: --line must be 1 or 2\n"}));

} // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
