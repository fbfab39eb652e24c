#include "cli/history_commands.hpp"

#include "cli/backtest_command.hpp"
#include "cli/cli_io.hpp"
#include "common/limits.hpp"

#include "history/backtest.hpp"
#include "history/draw_store.hpp"
#include "history/draw_text.hpp"
#include "history/extraction.hpp"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace sorvanta::cli {

namespace {

using namespace sorvanta::history;

std::filesystem::path StorePath(const HistoryCommands& c) {
    return c.store.empty() ? DefaultStorePath() : std::filesystem::path(c.store);
}

std::string StoreFailure(const std::filesystem::path& path, const StoreError& error) {
    switch (error.problem) {
    case StoreProblem::Corrupt:
        return "store " + path.string() + " is damaged and was left as it is: " + error.detail;
    case StoreProblem::NeedsRecovery:
        return "store " + path.string() +
               " holds a write that was cut off and needs recovery by its owner (any "
               "command run by a user who may write the store and its folder recovers it)";
    case StoreProblem::TooNew:
        return "store " + path.string() + " was written by a later version and was left as it is";
    default:
        return "store " + path.string() + " failed: " + error.detail;
    }
}

std::string InputName(const std::string& path) {
    return path == "-" ? std::string("(stdin)") : path;
}

// A draw file (or "-") read by the draw-text rules; on failure the one-line
// error is printed and its exit status returned.
int ReadDrawFile(const std::string& path, DrawTextRead& read) {
    std::string bytes;
    std::string error;
    if (!ReadBounded(path, kMaxDrawTextBytes, bytes, error, FileKind::RegularOnly))
        return Die(error);
    read = ReadDrawText(bytes);
    if (!read.ok)
        return Die(InputName(path) + ": " + read.error);
    return 0;
}

// The store opened for reading. A store file that does not exist yet holds
// no draws and is not created: `store` stays empty with status 0. A store
// left with a cut-off write is recovered here when this user may write it.
struct StoreToRead {
    std::unique_ptr<DrawStore> store;
    std::filesystem::path path;
    int status = 0;
};

StoreToRead OpenStoreToRead(const HistoryCommands& c) {
    StoreToRead opened;
    opened.path = StorePath(c);
    if (opened.path.empty()) {
        opened.status = Die("no home folder for the store; give --store PATH");
        return opened;
    }
    std::error_code ec;
    if (!std::filesystem::exists(opened.path, ec))
        return opened;
    StoreError error;
    opened.store = DrawStore::Open(opened.path, DrawStore::Access::Recover, error);
    if (!opened.store)
        opened.status = Die(StoreFailure(opened.path, error));
    else if (opened.store->Notice())
        std::cerr << "sorvanta-cli: warning: " << StoreFailure(opened.path, opened.store->Notice())
                  << "\n";
    return opened;
}

std::optional<PositionSelection> Positions(const HistoryCommands& c) {
    return PositionsFromText(c.positions);
}

int CheckSource(const HistoryCommands& c) {
    if (const int status = CheckDrawSource(c))
        return status;
    if (!Positions(c))
        return Die("--positions must name positions among 万千百十个, each once: '" + c.positions +
                   "'");
    return 0;
}

int RunImport(const HistoryCommands& c) {
    DrawTextRead read;
    if (const int status = ReadDrawFile(c.input, read))
        return status;
    if (read.draws.empty()) {
        // Nothing to store: the store is not even created.
        std::cerr << "sorvanta-cli: no draws in " << InputName(c.input) << " (" << read.skipped
                  << " lines skipped)\n";
        return kExitRefused;
    }

    const std::filesystem::path path = StorePath(c);
    if (path.empty())
        return Die("no home folder for the store; give --store PATH");
    if (c.store.empty()) {
        // The window's own folder may not exist before its first run.
        std::error_code ec;
        std::filesystem::create_directories(path.parent_path(), ec);
    }
    StoreError storeError;
    const auto store = DrawStore::Open(path, DrawStore::Access::ReadWrite, storeError);
    if (!store)
        return Die(StoreFailure(path, storeError));
    const Lottery lottery = *LotteryFromCode(c.lottery);
    const StoreWrite written = store->Write(lottery, *DataLineFromNumber(c.line), read.draws,
                                            c.replace ? WriteMode::Replace : WriteMode::KeepStored);
    if (written.error)
        return Die(StoreFailure(path, written.error));
    std::string out = "imported " + std::to_string(read.draws.size()) + " draws, skipped " +
                      std::to_string(read.skipped) + " lines";
    if (written.conflicts > 0)
        out += ", " + std::to_string(written.conflicts) +
               " draws differ from the store (kept the stored ones)";
    if (written.replaced > 0)
        out += ", " + std::to_string(written.replaced) + " draws replaced";
    out += "\n";
    if (written.mixedPeriods)
        out += "warning: " + c.lottery + " line " + std::to_string(c.line) +
               " now holds periods with and without a date, which cannot be put in time order\n";
    return Print(out);
}

int RunDelete(const HistoryCommands& c) {
    const std::filesystem::path path = StorePath(c);
    if (path.empty())
        return Die("no home folder for the store; give --store PATH");
    // A period copied from a list or a page often brings blanks along.
    const std::size_t first = c.period.find_first_not_of(" \t");
    const std::size_t last = c.period.find_last_not_of(" \t");
    const std::string period =
        CanonicalPeriod(first == std::string::npos ? "" : c.period.substr(first, last - first + 1));
    const auto notStored = [&] {
        std::cerr << "sorvanta-cli: no draw " << period << " stored\n";
        return kExitRefused;
    };
    std::error_code ec;
    if (!std::filesystem::exists(path, ec))
        return notStored();
    StoreError error;
    const auto store = DrawStore::Open(path, DrawStore::Access::ReadWrite, error);
    if (!store)
        return Die(StoreFailure(path, error));
    const StoreDelete removed =
        store->Delete(*LotteryFromCode(c.lottery), *DataLineFromNumber(c.line), period);
    if (removed.error)
        return Die(StoreFailure(path, removed.error));
    if (removed.deleted == 0)
        return notStored();
    return Print("deleted 1 draw\n");
}

int RunList(const HistoryCommands& c) {
    const StoreToRead opened = OpenStoreToRead(c);
    if (opened.status || !opened.store)
        return opened.status;
    const StoreRead read =
        opened.store->Latest(*LotteryFromCode(c.lottery), *DataLineFromNumber(c.line), c.limit);
    if (read.error)
        return Die(StoreFailure(opened.path, read.error));
    std::string out;
    for (const Draw& draw : read.draws)
        out += draw.period + " " + draw.number + "\n";
    return Print(out);
}

int RunVerify(const HistoryCommands& c) {
    if (const int status = CheckSource(c))
        return status;
    if (c.input == "-" && c.drawsFile == "-")
        return Die("standard input can give the list or the draws, not both");
    std::string list;
    std::string error;
    if (!ReadBounded(c.input, sorvanta::kMaxSchemeBytes, list, error))
        return Die(error);
    HistoryState state;
    if (const int status = LoadHistory(c, state))
        return status;
    const BacktestResult result = RunBacktest(DecodeDrawBytes(list), *Positions(c), state);
    std::string out;
    for (const std::string& caption : result.captions)
        out += caption + "\n";
    if (c.marks)
        for (const std::string& line : HistoryListLines(state))
            out += line + "\n";
    return Print(out);
}

int RunExtract(const HistoryCommands& c) {
    if (const int status = CheckSource(c))
        return status;
    HistoryState state;
    if (const int status = LoadHistory(c, state))
        return status;
    const ExtractionResult result = ExtractPastNumbers(*Positions(c), c.last, state);
    return Print(result.numbers + "\n");
}

void AddStore(CLI::App* command, HistoryCommands& c) {
    command->add_option("--store", c.store, "The draw store (default: the window's store)");
}

void AddLotteryAndLine(CLI::App* command, HistoryCommands& c, bool required) {
    CLI::Option* lottery = command->add_option("--lottery", c.lottery, "Lottery: cq, xj or tj")
                               ->check(CLI::IsMember({"cq", "xj", "tj"}));
    if (required)
        lottery->required();
    command->add_option("--line", c.line, "Data line 1 (5000 draws) or 2 (100 draws)")
        ->check(CLI::IsMember({1, 2}));
}

} // namespace

int CheckDrawSource(const HistoryCommands& c) {
    if (c.drawsFile.empty() == c.lottery.empty())
        return Die("give either --draws FILE or --lottery cq|xj|tj");
    return 0;
}

int LoadHistory(const HistoryCommands& c, HistoryState& state) {
    const DataLine line = *DataLineFromNumber(c.line);
    if (!c.drawsFile.empty()) {
        DrawTextRead read;
        if (const int status = ReadDrawFile(c.drawsFile, read))
            return status;
        FillHistory(state, line, read.draws);
        return 0;
    }
    const StoreToRead opened = OpenStoreToRead(c);
    if (opened.status || !opened.store)
        return opened.status;
    StoreError error;
    if (FillHistoryFromStore(*opened.store, *LotteryFromCode(c.lottery), line, state, error) < 0)
        return Die(StoreFailure(opened.path, error));
    return 0;
}

std::unique_ptr<HistoryCommands> AddHistoryCommands(CLI::App& app) {
    auto c = std::make_unique<HistoryCommands>();

    CLI::App* draws = app.add_subcommand("draws", "Import, list or delete stored draws");
    draws->require_subcommand(1);
    c->import = draws->add_subcommand("import", "Read a draw file into the store");
    c->import->add_option("FILE", c->input, "Draw file (a regular file), or - for standard input")
        ->required();
    AddLotteryAndLine(c->import, *c, true);
    c->import
        ->add_flag("--replace", c->replace,
                   "Where a stored period has another draw, store the file's draw")
        ->disable_flag_override();
    AddStore(c->import, *c);

    c->list = draws->add_subcommand("list", "Print stored draws, latest first");
    AddLotteryAndLine(c->list, *c, true);
    c->list->add_option("--limit", c->limit, "At most this many draws")
        ->check(CLI::NonNegativeNumber);
    AddStore(c->list, *c);

    c->remove = draws->add_subcommand("delete", "Remove one stored draw, to correct a wrong one");
    AddLotteryAndLine(c->remove, *c, true);
    c->remove->add_option("--period", c->period, "The period, in any spelling")->required();
    AddStore(c->remove, *c);

    c->verify = app.add_subcommand("verify", "Check a number list against past draws (开始验证)");
    c->verify->add_option("LIST", c->input, "Number list file, or - for standard input")
        ->required();
    c->verify->add_option("--positions", c->positions, "Positions, e.g. 千百十个")->required();
    c->verify->add_option("--draws", c->drawsFile, "Read the draws from this file, not the store");
    AddLotteryAndLine(c->verify, *c, false);
    c->verify->add_flag("--marks", c->marks, "Also print the history list with the marks")
        ->disable_flag_override();
    AddStore(c->verify, *c);

    c->extract = app.add_subcommand("extract", "List the numbers past draws formed (开始提取)");
    c->extract->add_option("--positions", c->positions, "Positions, e.g. 千百十个")->required();
    c->extract->add_option("--last", c->last, "How many draws, read as the window reads its box")
        ->required();
    c->extract->add_option("--draws", c->drawsFile, "Read the draws from this file, not the store");
    AddLotteryAndLine(c->extract, *c, false);
    AddStore(c->extract, *c);

    c->backtest = app.add_subcommand(
        "backtest", "Run a scheme and look up past draws among its survivors (方案回测)");
    c->backtest->add_option("SCHEME", c->scheme, "Scheme file (JSON), or - for standard input")
        ->required();
    c->backtest->add_option("--draws", c->drawsFile,
                            "Read the draws from this file, not the store");
    AddLotteryAndLine(c->backtest, *c, false);
    c->backtest->add_option("--last", c->last,
                            "At most this many draws, latest first (below 1: 1)");
    c->backtest->add_option("--positions", c->positions,
                            "Positions of the winning number (default: the mode's last ones)");
    c->backtest->add_flag("--details", c->details, "Also print one line per draw")
        ->disable_flag_override();
    AddMoneyOptions(*c->backtest, *c);
    AddStore(c->backtest, *c);
    return c;
}

std::optional<int> RunHistoryCommands(const HistoryCommands& c) {
    if (c.import->parsed())
        return RunImport(c);
    if (c.list->parsed())
        return RunList(c);
    if (c.remove->parsed())
        return RunDelete(c);
    if (c.verify->parsed())
        return RunVerify(c);
    if (c.extract->parsed())
        return RunExtract(c);
    if (c.backtest->parsed())
        return RunBacktestCommand(c);
    return std::nullopt;
}

} // namespace sorvanta::cli
