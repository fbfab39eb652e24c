#pragma once

#include <memory>
#include <optional>
#include <string>

namespace CLI {
class App;
}

namespace sorvanta::cli {

// The options of `draws fetch` as the parser fills them.
struct FetchCommand {
    CLI::App* command = nullptr;
    std::string lottery;
    int line = 1;
    std::string source;
    std::string store;
};

// Adds `draws fetch` under the `draws` command the history commands made;
// the result must live until RunFetchCommand.
std::unique_ptr<FetchCommand> AddFetchCommand(CLI::App& app);

// The exit status of `draws fetch` when it was given, else nullopt.
std::optional<int> RunFetchCommand(const FetchCommand& command);

} // namespace sorvanta::cli
