#include "cli/fetch_command.hpp"

#include "cli/cli_io.hpp"
#include "history/draw_store.hpp"
#include "source/collect_once.hpp"
#include "source/status_line.hpp"

#include <CLI/CLI.hpp>

#include <string>

namespace sorvanta::cli {

std::unique_ptr<FetchCommand> AddFetchCommand(CLI::App& app) {
    auto fetch = std::make_unique<FetchCommand>();
    CLI::App* draws = app.get_subcommand("draws");
    fetch->command = draws->add_subcommand(
        "fetch", "Collect once from the history source into the store, as the window does");
    fetch->command->add_option("--lottery", fetch->lottery, "cq, xj or tj")->required();
    fetch->command->add_option("--line", fetch->line, "Data line 1 (5000 draws) or 2 (100 draws)");
    fetch->command->add_option("--source", fetch->source,
                               "Source address for this run (default: the window's); "
                               "{code} and {rows} are filled in");
    fetch->command->add_option("--store", fetch->store, "Store file (default: the window's)");
    return fetch;
}

std::optional<int> RunFetchCommand(const FetchCommand& c) {
    if (!c.command || !c.command->parsed())
        return std::nullopt;
    const std::optional<history::Lottery> lottery = history::LotteryFromCode(c.lottery);
    if (!lottery)
        return Die("--lottery must be cq, xj or tj");
    const std::optional<history::DataLine> line = history::DataLineFromNumber(c.line);
    if (!line)
        return Die("--line must be 1 or 2");
    if (!c.source.empty() && !source::IsUsableSourceAddress(c.source))
        return Die("--source must be an http:// or https:// address with a host");
    const std::filesystem::path store =
        c.store.empty() ? history::DefaultStorePath() : std::filesystem::path(c.store);
    if (store.empty())
        return Die("no home folder for the store; give --store PATH");
    const source::Outcome outcome = source::CollectOnce(c.source, *lottery, *line, store);
    const std::string said = source::EnglishStatusLine(outcome);
    if (!outcome.ok() || outcome.storeFailed)
        return Die(said);
    return Print(said + "\n");
}

} // namespace sorvanta::cli
