#pragma once

#include <memory>
#include <optional>

namespace CLI {
class App;
}

namespace sorvanta::cli {

struct FetchCommand;

// Adds `draws fetch` under the `draws` command the history commands made;
// the result must live until RunFetchCommand.
std::unique_ptr<FetchCommand> AddFetchCommand(CLI::App& app);

// The exit status of `draws fetch` when it was given, else nullopt.
std::optional<int> RunFetchCommand(const FetchCommand& command);

} // namespace sorvanta::cli
