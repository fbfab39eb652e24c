// `sorvanta-cli backtest` with what the fixtures cannot give: the scheme on
// standard input and the draws from a store, run as the real binary.
#include "cli_test.hpp"

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

namespace fs = std::filesystem;

namespace {

const std::string kSample = SORVANTA_TEST_DATA "/sample_draws_cq.txt";
// Kills every number whose 十个 sum is 9: of the sample's three latest draws
// (45957, 13962, 81590) 57 and 62 stay in, 90 goes.
const std::string kScheme = R"({"format": "sorvanta-scheme", "version": 1, "mode": "two",
                                "conditions": {"kill_sums": [9]}})";

using sorvanta::test::CliRun;
using BacktestCli = sorvanta::test::CliTest;

TEST_F(BacktestCli, SchemeOnStandardInputDrawsFromAFile) {
    const CliRun run = Cli("backtest - --draws " + Quote(kSample) + " --last 3 --details", kScheme);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "bets 90\n"
                       "draws 3 hits 2\n"
                       "longest hits 2 longest misses 1\n"
                       "杀和值\t1\n"
                       "20260101-040 45957 57 hit\n"
                       "20260101-039 13962 62 hit\n"
                       "20260101-038 81590 90 miss\t杀和值\n");
    EXPECT_EQ(run.err, "");
}

TEST_F(BacktestCli, DrawsFromTheStoreOfTheLotteryAndLine) {
    // Nothing stored yet: no draw, and the read creates no store.
    CliRun run = Cli("backtest - --lottery xj" + Store(), kScheme);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, "bets 90\ndraws 0 hits 0\nlongest hits 0 longest misses 0\n杀和值\t0\n");
    EXPECT_FALSE(fs::exists(store_)) << "a read must not create the store";

    ASSERT_EQ(Cli("draws import " + Quote(kSample) + " --lottery xj" + Store()).status, 0);
    const CliRun fromFile = Cli("backtest - --draws " + Quote(kSample), kScheme);
    run = Cli("backtest - --lottery xj" + Store(), kScheme);
    ASSERT_EQ(run.status, 0) << run.err;
    EXPECT_EQ(run.out, fromFile.out);
    EXPECT_EQ(run.out, "bets 90\ndraws 40 hits 32\nlongest hits 20 longest misses 2\n杀和值\t8\n");
    // Another lottery and another line are kept apart.
    EXPECT_EQ(Cli("backtest - --lottery cq" + Store(), kScheme).out.substr(0, 16),
              "bets 90\ndraws 0 ");
    EXPECT_EQ(Cli("backtest - --lottery xj --line 2" + Store(), kScheme).out.substr(0, 16),
              "bets 90\ndraws 0 ");
}

TEST_F(BacktestCli, RefusalsAreOneLineAndStatusTwo) {
    const std::string scheme = (folder_ / "scheme.json").string();
    std::ofstream(scheme, std::ios::binary) << kScheme;
    const struct {
        std::string args;
        std::string input;
        std::string message;
    } cases[] = {
        {"backtest - --draws -", kScheme, "standard input can give the scheme or the draws"},
        {"backtest " + Quote(scheme) + " --draws " + Quote(kSample) + " --lottery cq", "",
         "give either --draws FILE or --lottery"},
        {"backtest " + Quote(scheme) + " --lottery hk", "", "--lottery"},
        {"backtest " + Quote((folder_ / "none.json").string()) + " --draws " + Quote(kSample), "",
         "cannot read"},
        {"backtest " + Quote(scheme) + " --draws " + Quote(kSample) + " --positions 十", "",
         "--positions: the positions 十 give 1 digits"},
        {"backtest - --draws " + Quote(kSample), "{", "(stdin)"},
        {"backtest - --draws " + Quote(kSample) + " --price 2", kScheme, "need --money"},
        {"backtest - --draws " + Quote(kSample) + " --money=3", kScheme, "money"},
        // A flag given a value, "true" and nothing included.
        {"shrink - --count=true", kScheme, "--count takes no value"},
        {"shrink - --count=", kScheme, "--count takes no value"},
        {"shrink - --count={}", kScheme, "--count takes no value"},
        {"shrink - --group=false", kScheme, "--group takes no value"},
        {"shrink - --invert=1", kScheme, "--invert takes no value"},
        {"backtest - --draws " + Quote(kSample) + " --details=true", kScheme,
         "--details takes no value"},
        {"backtest - --draws " + Quote(kSample) + " --money=", kScheme, "--money takes no value"},
        {"verify - --positions 个 --draws " + Quote(kSample) + " --marks=true", "",
         "--marks takes no value"},
        {"draws import - --lottery cq --replace={}" + Store(), "", "--replace takes no value"},
        {"backtest - --draws " + Quote(kSample) + " --last 0x5", kScheme,
         "--last must be a whole number: '0x5'"},
        {"backtest - --draws " + Quote(kSample) + " --last ' 5'", kScheme,
         "--last must be a whole number: ' 5'"},
        {"backtest - --draws " + Quote(kSample) + " --last 1e2", kScheme,
         "--last must be a whole number: '1e2'"},
        {"backtest - --draws " + Quote(kSample) + " --last +", kScheme,
         "--last must be a whole number: '+'"},
        {"stats --mode two --draws " + Quote(kSample) + " --last 3.0", "",
         "--last must be a whole number: '3.0'"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args);
        const CliRun run = Cli(c.args, c.input);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// --last takes signed decimal digits only (refusals are in the table above),
// and past the draws at hand, twenty digits too, it reads as all of them.
TEST_F(BacktestCli, LastReadAsAWholeNumber) {
    const std::string draws = " --draws " + Quote(kSample);
    const struct {
        const char* last;
        const char* draws;
    } read[] = {
        {"010", "draws 10 "},
        {"08", "draws 8 "},
        {"+7", "draws 7 "},
        {"-0", "draws 1 "},
        {"-99999999999999999999", "draws 1 "},
        {"99999999999999999999", "draws 40 "},
        {"10002", "draws 40 "},
    };
    for (const auto& c : read) {
        SCOPED_TRACE(c.last);
        const CliRun run = Cli("backtest -" + draws + " --last " + c.last, kScheme);
        EXPECT_EQ(run.status, 0) << run.err;
        EXPECT_EQ(run.out.substr(0, run.out.find("hits")), std::string("bets 90\n") + c.draws);
    }
}

// Each money option checked on its own, refused in one line with exit 2.
TEST_F(BacktestCli, MoneyRefusals) {
    const std::string hundredOnes = [] {
        std::string plan = "1";
        for (int i = 0; i < 100; ++i)
            plan += ",1";
        return plan;
    }();
    const struct {
        std::string option;
        std::string message;
    } cases[] = {
        {"--price 0", "--price must be above 0: '0'"},
        {"--price -2", "--price must be above 0: '-2'"},
        {"--prize 0.00", "--prize must be above 0"},
        {"--price 2.345", "--price has more than two decimals: '2.345'"},
        {"--prize 1000000000.01", "--prize must be at most 1000000000 yuan"},
        {"--price two", "--price must be an amount in yuan"},
        {"--price 1e3", "--price must be an amount in yuan"},
        {"--plan 1,0,2", "--plan: multiplier '0' must be 1 or more"},
        {"--plan 1,x", "--plan: multiplier 'x' is not a whole number"},
        {"--plan 2.5", "--plan: multiplier '2.5' is not a whole number"},
        {"--plan 100001", "--plan: multiplier '100001' must be at most 100000"},
        {"--plan " + hundredOnes, "--plan has more than 100 multipliers"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.option);
        const CliRun run =
            Cli("backtest - --draws " + Quote(kSample) + " --money " + c.option, kScheme);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_NE(run.err.find(c.message), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    // The largest allowed amounts and plan run.
    const CliRun largest =
        Cli("backtest - --draws " + Quote(kSample) +
                " --money --price 1000000000 --prize 1000000000.00 --plan 100000",
            kScheme);
    EXPECT_EQ(largest.status, 0) << largest.err;
    EXPECT_NE(largest.out.find("\ncost 360000000000000000.00\n"), std::string::npos) << largest.out;
}

} // namespace
