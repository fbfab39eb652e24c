#include "cli/stats_command.hpp"

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

namespace {

// --last N as the backtest reads it: a whole number, optionally signed;
// below 1 reads as 1, and anything past the most draws a line holds as that.
std::optional<int> ReadLast(std::string_view digits) {
    bool negative = false;
    if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
        negative = digits.front() == '-';
        digits.remove_prefix(1);
    }
    if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
        return std::nullopt;
    if (negative)
        return 1;
    long long value = 0;
    for (char c : digits)
        value = std::min<long long>(value * 10 + (c - '0'), history::DrawHistory::kRows);
    return static_cast<int>(std::max<long long>(value, 1));
}

} // namespace

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
    options.history_line = d.line;
    if (c.app->count("--last") != 0) {
        const std::optional<int> last = ReadLast(d.last);
        if (!last)
            return Die("--last must be a whole number: '" + d.last + "'");
        options.last = *last;
    }
    if (c.app->count("--positions") != 0) {
        options.positions = history::PositionsFromText(d.positions);
        if (!options.positions)
            return Die("--positions must name positions among 万千百十个, each once: '" +
                       d.positions + "'");
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
