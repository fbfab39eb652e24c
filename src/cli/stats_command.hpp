#pragma once

#include <memory>

namespace CLI {
class App;
}

namespace sorvanta::cli {

struct StatsCommand;

// Registers `stats --mode four|three|two (--draws FILE | --lottery L)
// [--line 1|2] [--last N] [--positions P] [--store PATH]` on the tool's
// parser; the result must live until RunStatsCommand.
std::shared_ptr<StatsCommand> AddStatsCommand(CLI::App& app);

// The exit status of `stats` when it was the command given, else -1.
int RunStatsCommand(const StatsCommand& command);

} // namespace sorvanta::cli
