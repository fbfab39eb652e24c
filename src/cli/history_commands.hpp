#pragma once

#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace sorvanta::history {
struct HistoryState;
}

namespace sorvanta::cli {

// The options of `draws import`, `draws list`, `draws delete`, `verify`,
// `extract` and `backtest` as the parser fills them; each command checks its values itself
// so that every refusal is one line and exit status 2.
struct HistoryCommands {
    CLI::App* import = nullptr;
    CLI::App* list = nullptr;
    CLI::App* remove = nullptr; // draws delete
    CLI::App* verify = nullptr;
    CLI::App* extract = nullptr;
    CLI::App* backtest = nullptr;

    std::string input; // FILE of import, LIST of verify
    std::string lottery;
    int line = 1;
    std::string store;
    int limit = -1;
    std::string positions;
    std::string drawsFile;
    std::string last;
    bool marks = false;
    std::string scheme; // SCHEME of backtest
    bool details = false;
    bool replace = false; // import: the read's draws win over stored ones
    std::string period;   // PERIOD of delete
    // backtest --money and its terms, as typed
    bool money = false;
    std::string price;
    std::string prize;
    std::string plan;
};

// Registers the history subcommands on the tool's parser; the result must
// live until RunHistoryCommands.
std::unique_ptr<HistoryCommands> AddHistoryCommands(CLI::App& app);

// One line and exit status 2 unless exactly one of --draws and --lottery
// was given; 0 otherwise.
int CheckDrawSource(const HistoryCommands& commands);

// The draws a command works on, put into the table as the history source
// puts them: from the --draws file when one is given, else from the store
// of --lottery and --line, opened for reading (a store file that does not
// exist yet holds no draws and is not created). 0, or the exit status of
// the one-line error already printed.
int LoadHistory(const HistoryCommands& commands, history::HistoryState& state);

// The exit status of the history command that was given, or nullopt when
// none of them was.
std::optional<int> RunHistoryCommands(const HistoryCommands& commands);

} // namespace sorvanta::cli
