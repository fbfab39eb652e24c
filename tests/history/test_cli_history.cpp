// The history commands of sorvanta-cli, run as the real binary on the sample
// draw file, with a store in a temporary folder.
#include "cli_test.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

#include <sys/stat.h>

namespace fs = std::filesystem;

namespace {

const std::string kSample = SORVANTA_TEST_DATA "/sample_draws_cq.txt";

using sorvanta::test::CliRun;
using HistoryCli = sorvanta::test::CliTest;

TEST_F(HistoryCli, ImportThenListLatestFirst) {
    CliRun run = Cli("draws import " + Quote(kSample) + " --lottery cq" + Store());
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "imported 40 draws, skipped 2 lines\n");

    run = Cli("draws list --lottery cq --limit 3" + Store());
    EXPECT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "20260101-040 45957\n20260101-039 13962\n20260101-038 81590\n");
    // Another line and another lottery are kept apart.
    EXPECT_EQ(Cli("draws list --lottery cq --line 2" + Store()).out, "");
    EXPECT_EQ(Cli("draws list --lottery tj" + Store()).out, "");

    // Standard input, and a second import adds nothing new.
    run = Cli("draws import - --lottery cq" + Store(), "20260101-041 12345\n20260101-040 45957\n");
    EXPECT_EQ(run.out, "imported 2 draws, skipped 0 lines\n");
    EXPECT_EQ(Cli("draws list --lottery cq" + Store()).out.substr(0, 19), "20260101-041 12345\n");
}

TEST_F(HistoryCli, VerifyPrintsTheFourCaptionsAndMarks) {
    const std::string list = Write("list.txt", "45957 13962\n");
    CliRun run = Cli("verify " + Quote(list) + " --positions 万千百十个 --draws " + Quote(kSample));
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "近5000期命中2\n近100期命中2\n近5000期最大连中2\n最大连挂38\n");

    run = Cli("verify " + Quote(list) + " --positions 万千百十个 --draws " + Quote(kSample) +
              " --line 2 --marks");
    ASSERT_EQ(run.status, 0) << run.err;
    const std::string head = "\n近100期命中2\n近100期最大连中*2\n最大连挂38\n"
                             "编号--期号--开奖号\n0001--20260101-040--45957 中\n"
                             "0002--20260101-039--13962 中\n0003--20260101-038--";
    EXPECT_EQ(run.out.substr(0, head.size()), head);
    EXPECT_NE(run.out.find("\n0040--20260101-001--52601 **\n0041---- \n"), std::string::npos);
    EXPECT_EQ(std::count(run.out.begin(), run.out.end(), '\n'), 4 + 101);

    // From the store, the list on standard input; nothing stored yet means no
    // collection yet: the placeholders.
    run = Cli("verify - --positions 万千百十个 --lottery cq" + Store(), "45957");
    EXPECT_EQ(run.out, "近5000期命中*\n近100期命中*\n近5000期最大连中*\n最大连挂*\n");
    EXPECT_FALSE(fs::exists(store_)) << "a read must not create the store";
    Cli("draws import " + Quote(kSample) + " --lottery cq" + Store());
    run = Cli("verify - --positions 万千百十个 --lottery cq" + Store(), "45957");
    EXPECT_EQ(run.out, "近5000期命中1\n近100期命中1\n近5000期最大连中1\n最大连挂39\n");
}

TEST_F(HistoryCli, ExtractReadsTheCountLikeTheBox) {
    CliRun run = Cli("extract --positions 万 --last 3 --draws " + Quote(kSample));
    ASSERT_EQ(run.status, 0) << run.err;
    // The three latest draws are 45957, 13962 and 81590.
    EXPECT_EQ(run.out, "1 4 8\n");
    EXPECT_EQ(Cli("extract --positions 千百十个 --last abc --draws " + Quote(kSample)).out,
              "5957\n");
    EXPECT_EQ(Cli("extract --positions 个 --last 9 --lottery xj" + Store()).out, "\n");
}

TEST_F(HistoryCli, RefusalsAreOneLineAndStatusTwo) {
    const std::string damaged = Write("damaged.sqlite", std::string(4096, 'x'));
    const std::string list = Write("list.txt", "12 34");
    const struct {
        const char* name;
        std::string args;
    } cases[] = {
        {"unreadable file",
         "draws import " + Quote((folder_ / "nope.txt").string()) + " --lottery cq" + Store()},
        {"bad lottery", "draws list --lottery bj" + Store()},
        {"bad line", "draws list --lottery cq --line 3" + Store()},
        {"negative limit", "draws list --lottery cq --limit -1" + Store()},
        {"bad positions", "verify " + Quote(list) + " --positions 千千 --draws " + Quote(kSample)},
        {"no source", "verify " + Quote(list) + " --positions 十个"},
        {"two sources", "extract --positions 个 --last 5 --lottery cq --draws " + Quote(kSample)},
        {"damaged store",
         "draws import " + Quote(kSample) + " --lottery cq --store " + Quote(damaged)},
        {"store in a missing folder", "draws import " + Quote(kSample) + " --lottery cq --store " +
                                          Quote((folder_ / "no" / "x.sqlite").string())},
        {"both from standard input", "verify - --positions 个 --draws -"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args);
        EXPECT_EQ(run.status, 2) << c.name << ": " << run.out;
        EXPECT_EQ(run.err.rfind("sorvanta-cli: ", 0), 0u) << c.name << ": " << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << c.name << ": " << run.err;
    }
    EXPECT_EQ(Slurp(damaged), std::string(4096, 'x'));
}

TEST_F(HistoryCli, ConflictsKeptOrReplacedAndDrawsDeleted) {
    const std::string first = Write("a.txt", "20261207-023 11111\n1023001 22222\n");
    const std::string second = Write("b.txt", "20261207023 99999\n261207024 33333\n# c\nx\n");
    const std::string mixed = "warning: cq line 1 now holds periods with and without a date, "
                              "which cannot be put in time order\n";
    const struct {
        const char* name;
        std::string args;
        int status;
        std::string out;
        std::string err;
    } steps[] = {
        {"first import warns of the two kinds", "draws import " + Quote(first) + " --lottery cq", 0,
         "imported 2 draws, skipped 0 lines\n" + mixed, ""},
        {"a differing draw is kept", "draws import " + Quote(second) + " --lottery cq", 0,
         "imported 2 draws, skipped 1 lines, 1 draws differ from the store (kept the stored "
         "ones)\n" +
             mixed,
         ""},
        {"list is canonical, latest first", "draws list --lottery cq", 0,
         "20261207-024 33333\n20261207-023 11111\n1023001 22222\n", ""},
        {"replace", "draws import " + Quote(second) + " --lottery cq --replace", 0,
         "imported 2 draws, skipped 1 lines, 1 draws replaced\n", ""},
        {"replaced", "draws list --lottery cq --limit 2", 0,
         "20261207-024 33333\n20261207-023 99999\n", ""},
        {"delete in another spelling", "draws delete --lottery cq --period ' 26120723'", 0,
         "deleted 1 draw\n", ""},
        {"deleted once", "draws delete --lottery cq --period 20261207023", 1, "",
         "sorvanta-cli: no draw 20261207-023 stored\n"},
        {"other line", "draws delete --lottery cq --line 2 --period 1023001", 1, "",
         "sorvanta-cli: no draw 1023001 stored\n"},
        {"undated as written", "draws delete --lottery cq --period 1023001", 0, "deleted 1 draw\n",
         ""},
        {"left", "draws list --lottery cq", 0, "20261207-024 33333\n", ""},
    };
    for (const auto& step : steps) {
        const CliRun run = Cli(step.args + Store());
        EXPECT_EQ(run.status, step.status) << step.name << ": " << run.err;
        EXPECT_EQ(run.out, step.out) << step.name;
        EXPECT_EQ(run.err, step.err) << step.name;
    }
}

TEST_F(HistoryCli, NoDrawsStoresNothingAndCreatesNoStore) {
    const std::string empty = Write("empty.txt", "header\n20991231-001 12345\n\n# note\n");
    const struct {
        std::string args;
        std::string input;
        std::string err;
    } cases[] = {
        {"draws import " + Quote(empty), "", "no draws in " + empty + " (2 lines skipped)"},
        {"draws import -", "x\n", "no draws in (stdin) (1 lines skipped)"},
        {"draws delete --period 20261207023", "", "no draw 20261207-023 stored"},
    };
    for (const auto& c : cases) {
        const CliRun run = Cli(c.args + " --lottery tj" + Store(), c.input);
        EXPECT_EQ(run.status, 1) << c.args;
        EXPECT_EQ(run.err, "sorvanta-cli: " + c.err + "\n") << c.args;
        EXPECT_FALSE(fs::exists(store_)) << c.args;
    }
}

TEST_F(HistoryCli, OnlyRegularFilesAreRead) {
    // Without the check, opening the FIFO waits for a writer forever and
    // the test's time-out fails it.
    const std::string fifo = (folder_ / "fifo").string();
    ASSERT_EQ(mkfifo(fifo.c_str(), 0600), 0);
    for (const std::string& path : {fifo, folder_.string(), std::string("/dev/null")}) {
        for (const std::string& command :
             {"draws import " + Quote(path) + " --lottery cq" + Store(),
              "extract --positions 个 --last 5 --draws " + Quote(path)}) {
            const CliRun run = Cli(command);
            EXPECT_EQ(run.status, 2) << command;
            EXPECT_EQ(run.err, "sorvanta-cli: cannot read " + path + ": not a regular file\n");
        }
    }
    EXPECT_FALSE(fs::exists(store_));
}

TEST_F(HistoryCli, ReadersWorkAfterAKilledImport) {
    std::string text;
    for (int i = 0; i < 30000; ++i)
        text += std::to_string(1000000 + i) + " 12345\n";
    const std::string big = Write("big.txt", text);
    const std::string list = Write("list.txt", "12345");
    const std::string journal = store_ + "-journal";
    // Killed while its journal is there, that is in the middle of its write.
    std::system(("(" + Quote(SORVANTA_CLI) + " draws import " + Quote(big) + " --lottery cq" +
                 Store() + " >/dev/null 2>&1 & pid=$!; for i in $(seq 3000); do [ -s " +
                 Quote(journal) + " ] && break; kill -0 $pid || break; sleep 0.01; done; " +
                 "kill -9 $pid; wait $pid) 2>/dev/null")
                    .c_str());
    ASSERT_TRUE(fs::exists(journal)) << "the import ended before it could be cut off";
    for (const std::string& reader :
         {std::string("draws list --lottery cq --limit 1"),
          "verify " + Quote(list) + " --positions 万千百十个 --lottery cq",
          std::string("extract --positions 个 --last 3 --lottery cq")}) {
        const CliRun run = Cli(reader + Store());
        EXPECT_EQ(run.status, 0) << reader << ": " << run.err;
        EXPECT_EQ(run.err, "") << reader;
    }
    // A journal left over is either rolled back by now or was never made
    // hot (cut off before its header was written); either way the store
    // takes the next write.
    const CliRun writer = Cli("draws import " + Quote(Write("one.txt", "20261207-001 54321\n")) +
                              " --lottery tj" + Store());
    EXPECT_EQ(writer.status, 0) << writer.err;
}

} // namespace
