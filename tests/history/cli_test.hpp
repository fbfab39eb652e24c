#pragma once

// Runs the real sorvanta-cli binary with a store and files in a fresh
// temporary folder per test.
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

namespace sorvanta::test {

namespace fs = std::filesystem;

struct CliRun {
    int status = -1;
    std::string out;
    std::string err;
};

class CliTest : public testing::Test {
protected:
    void SetUp() override {
        folder_ = fs::temp_directory_path() /
                  ("sorvanta-cli-" + std::to_string(std::random_device{}()) + "-" +
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
    std::string Write(const std::string& name, const std::string& text) {
        const fs::path file = folder_ / name;
        std::ofstream(file, std::ios::binary) << text;
        return file.string();
    }
    // `args` is handed to the shell as written; paths in it must be quoted.
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

} // namespace sorvanta::test
