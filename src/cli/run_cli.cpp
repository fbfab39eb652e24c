#include "cli/run_cli.hpp"

#include "cli/backtest_command.hpp"
#include "cli/cli_io.hpp"
#include "cli/fetch_command.hpp"
#include "cli/history_commands.hpp"
#include "cli/stats_command.hpp"
#include "scheme/run_scheme.hpp"

#include <CLI/CLI.hpp>

#include <iostream>

namespace {

using sorvanta::cli::Die;
using sorvanta::cli::kExitRefused;

struct ShrinkOptions {
    std::string path;
    bool group = false;
    bool invert = false;
    bool count = false;
};

int RunShrink(const ShrinkOptions& options) {
    sorvanta::scheme::Scheme scheme;
    if (const int status = sorvanta::cli::ReadSchemeFile(options.path, scheme))
        return status;
    using sorvanta::scheme::RunResult;
    const RunResult result = sorvanta::scheme::RunScheme(scheme, {options.group, options.invert});
    switch (result.status) {
    case RunResult::Status::Refused:
        std::cerr << "sorvanta-cli: " << result.message << "\n";
        return kExitRefused;
    case RunResult::Status::Ok:
        break;
    }
    return sorvanta::cli::Print(
        (options.count ? std::to_string(result.numbers.size()) : result.Text()) + "\n");
}

} // namespace

namespace sorvanta::cli {

int RunCli(int argc, char** argv) {
    CLI::App app{"Sorvanta: shrink digit-lottery bets by conditions, headless."};
    app.require_subcommand(1);
    ShrinkOptions options;
    CLI::App* shrink = app.add_subcommand("shrink", "Run a scheme and print the resulting list");
    shrink->add_option("SCHEME", options.path, "Scheme file (JSON), or - for standard input")
        ->required();
    CLI::Option* group =
        shrink->add_flag("--group", options.group, "Print the result as group numbers (转为组选)");
    // The window inverts only direct numbers, never a group list.
    shrink->add_flag("--invert", options.invert, "Print the inverted list (反选)")->excludes(group);
    shrink->add_flag("--count", options.count, "Print only the count");
    const auto history = sorvanta::cli::AddHistoryCommands(app);
    const auto fetch = sorvanta::cli::AddFetchCommand(app);
    const auto stats = sorvanta::cli::AddStatsCommand(app);

    // A flag takes no value: "--count=5" is a mistake, not "--count".
    for (int i = 1; i < argc; ++i)
        for (const std::string flag :
             {"--group", "--invert", "--count", "--marks", "--details", "--money", "--replace"})
            if (std::string(argv[i]).rfind(flag + "=", 0) == 0)
                return Die(flag + " takes no value");
    try {
        app.parse(argc, argv);
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ParseError& e) {
        std::string message = e.what();
        if (const auto nl = message.find('\n'); nl != std::string::npos)
            message.resize(nl);
        return Die(message);
    }
    if (shrink->parsed())
        return RunShrink(options);
    if (const auto status = sorvanta::cli::RunHistoryCommands(*history))
        return *status;
    if (const auto status = sorvanta::cli::RunFetchCommand(*fetch))
        return *status;
    if (const int status = sorvanta::cli::RunStatsCommand(*stats); status >= 0)
        return status;
    return Die("no command given; try: sorvanta-cli shrink SCHEME.json");
}

} // namespace sorvanta::cli
