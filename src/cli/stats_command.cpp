#include "cli/stats_command.hpp"

#include "cli/backtest_command.hpp"
#include "cli/cli_io.hpp"
#include "cli/history_commands.hpp"
#include "history/draw_history.hpp"
#include "scheme/condition_stats.hpp"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <optional>
#include <string_view>

namespace sorvanta::cli {

struct StatsCommand {
    CLI::App* app = nullptr;
    std::string mode;
    HistoryCommands draws; // the draw source, read as every draw command reads it
};

std::shared_ptr<StatsCommand> AddStatsCommand(CLI::App& app) {
    auto c = std::make_shared<StatsCommand>();
    HistoryCommands& d = c->draws;
    c->app = app.add_subcommand(
        "stats", "How often each condition button alone would have killed the winning number "
                 "(条件统计)");
    c->app->add_option("--mode", c->mode, "The panel: four, three or two")
        ->required()
        ->check(CLI::IsMember({"four", "three", "two"}));
    c->app->add_option("--draws", d.drawsFile, "Read the draws from this file, not the store");
    c->app->add_option("--lottery", d.lottery, "Lottery: cq, xj or tj")
        ->check(CLI::IsMember({"cq", "xj", "tj"}));
    c->app->add_option("--line", d.line, "Data line 1 (5000 draws) or 2 (100 draws)")
        ->check(CLI::IsMember({1, 2}));
    c->app->add_option("--last", d.last, "At most this many draws, latest first (below 1: 1)");
    c->app->add_option("--positions", d.positions,
                       "Positions of the winning number (default: the mode's last ones)");
    c->app->add_option("--store", d.store, "The draw store (default: the window's store)");
    return c;
}

int RunStatsCommand(const StatsCommand& c) {
    if (!c.app->parsed())
        return -1;
    const HistoryCommands& d = c.draws;
    if (const int status = CheckDrawSource(d))
        return status;
    const Mode mode = *ModeFromName(c.mode);
    scheme::SchemeBacktestOptions options;
    if (const int status = ReadDrawsToTest(*c.app, d, options))
        return status;
    if (options.positions) {
        try {
            scheme::CheckPositions(mode, *options.positions);
        } catch (const scheme::SchemeError& e) {
            return Die(std::string("--positions: ") + e.what());
        }
    }
    history::HistoryState state;
    if (const int status = LoadHistory(d, state))
        return status;
    return Print(scheme::RunConditionStats(mode, state.draws, options).Text());
}

} // namespace sorvanta::cli
