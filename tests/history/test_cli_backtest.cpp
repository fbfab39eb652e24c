// `sorvanta-cli backtest` with what the fixtures cannot give: the scheme on
// standard input and the draws from a store, run as the real binary.
#include <gtest/gtest.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <random>
#include <string>

#ifndef _WIN32
#include <sys/wait.h>
#endif

namespace fs = std::filesystem;

namespace {

const std::string kSample = SORVANTA_TEST_DATA "/sample_draws_cq.txt";
// Kills every number whose 十个 sum is 9: of the sample's three latest draws
// (45957, 13962, 81590) 57 and 62 stay in, 90 goes.
const std::string kScheme = R"({"format": "sorvanta-scheme", "version": 1, "mode": "two",
                                "conditions": {"kill_sums": [9]}})";

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class BacktestCli : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("sorvanta-backtest-" + std::to_string(std::random_device{}()) + "-" +
                   testing::UnitTest::GetInstance()->current_test_info()->name());
        fs::create_directories(folder_);
        store_ = (folder_ / "draws.sqlite").string();
    }
    void TearDown() override {
        std::error_code ec;
        fs::remove_all(folder_, ec);
    }

    static std::string Quote(const std::string& s) {
        std::string q = "'";
        for (char c : s)
            q += c == '\'' ? std::string("'\\''") : std::string(1, c);
        return q + "'";
    }
    static std::string Slurp(const fs::path& file) {
        std::ifstream in(file, std::ios::binary);
        return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    }
    CliRun Cli(const std::string& args, const std::string& input = "") {
        const fs::path out = folder_ / "out", err = folder_ / "err", in = folder_ / "in";
        std::ofstream(in, std::ios::binary) << input;
        const std::string command = Quote(SORVANTA_CLI) + " " + args + " <" + Quote(in.string()) +
                                    " >" + Quote(out.string()) + " 2>" + Quote(err.string());
        CliRun run;
        const int raw = std::system(command.c_str());
#ifdef _WIN32
        run.status = raw;
#else
        run.status = WIFEXITED(raw) ? WEXITSTATUS(raw) : -1;
#endif
        run.out = Slurp(out);
        run.err = Slurp(err);
        return run;
    }
    std::string Store() const {
        return " --store " + Quote(store_);
    }

    fs::path folder_;
    std::string store_;
};

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

} // namespace
