// The history commands of sorvanta-cli, run as the real binary on the sample
// draw file, with a store in a temporary folder.
#include "cli_test.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>

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

} // namespace
