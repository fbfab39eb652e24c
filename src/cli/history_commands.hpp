#pragma once

#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace sorvanta::cli {

// The options of `draws import`, `draws list`, `verify` and `extract` as the
// parser fills them; each command checks its values itself so that every
// refusal is one line and exit status 2.
struct HistoryCommands {
    CLI::App* import = nullptr;
    CLI::App* list = nullptr;
    CLI::App* verify = nullptr;
    CLI::App* extract = nullptr;

    std::string input; // FILE of import, LIST of verify
    std::string lottery;
    int line = 1;
    std::string store;
    int limit = -1;
    std::string positions;
    std::string drawsFile;
    std::string last;
    bool marks = false;
};

// Registers the history subcommands on the tool's parser; the result must
// live until RunHistoryCommands.
std::unique_ptr<HistoryCommands> AddHistoryCommands(CLI::App& app);

// The exit status of the history command that was given, or nullopt when
// none of them was.
std::optional<int> RunHistoryCommands(const HistoryCommands& commands);

} // namespace sorvanta::cli
