#include "cli/run_cli.hpp"

#include "cli/backtest_command.hpp"
#include "cli/cli_io.hpp"
#include "cli/fetch_command.hpp"
#include "cli/history_commands.hpp"
#include "cli/stats_command.hpp"
#include "scheme/run_scheme.hpp"

#include <CLI/CLI.hpp>

#include <functional>
#include <iostream>
#include <set>
#include <string>
#include <string_view>

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

std::string FirstLine(std::string_view message) {
    return std::string(message.substr(0, message.find('\n')));
}

// CLI11 refuses a value given to a flag that takes none, except the values
// it reads as the flag alone: nothing ("--count="), "true" and "{}". This
// finds those, so they are refused alike; the flag's name, or "".
std::string FlagGivenItsOwnValue(const CLI::App& app, int argc, char** argv) {
    std::set<std::string> flags;
    const std::function<void(const CLI::App&)> collect = [&](const CLI::App& command) {
        for (const CLI::Option* option : command.get_options())
            if (option->get_disable_flag_override())
                for (const std::string& name : option->get_lnames())
                    flags.insert("--" + name);
        for (const CLI::App* sub : command.get_subcommands({}))
            collect(*sub);
    };
    collect(app);
    for (int i = 1; i < argc; ++i) {
        const std::string_view arg = argv[i];
        const std::size_t equals = arg.find('=');
        if (equals == std::string_view::npos)
            continue;
        const std::string_view value = arg.substr(equals + 1);
        const std::string name(arg.substr(0, equals));
        if ((value.empty() || value == "true" || value == "{}") && flags.count(name) != 0)
            return name;
    }
    return {};
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
        shrink->add_flag("--group", options.group, "Print the result as group numbers (转为组选)")
            ->disable_flag_override();
    // The window inverts only direct numbers, never a group list.
    shrink->add_flag("--invert", options.invert, "Print the inverted list (反选)")
        ->excludes(group)
        ->disable_flag_override();
    shrink->add_flag("--count", options.count, "Print only the count")->disable_flag_override();
    const auto history = sorvanta::cli::AddHistoryCommands(app);
    const auto fetch = sorvanta::cli::AddFetchCommand(app);
    const auto stats = sorvanta::cli::AddStatsCommand(app);

    // A flag takes no value: "--count=5" is a mistake, not "--count".
    if (const std::string flag = FlagGivenItsOwnValue(app, argc, argv); !flag.empty())
        return Die(flag + " takes no value");
    try {
        app.parse(argc, argv);
    } catch (const CLI::ArgumentMismatch& e) {
        static constexpr std::string_view kOverride = " was given a disallowed flag override";
        const std::string_view message = e.what();
        if (message.ends_with(kOverride))
            return Die("--" + std::string(message.substr(0, message.size() - kOverride.size())) +
                       " takes no value");
        return Die(FirstLine(message));
    } catch (const CLI::CallForHelp&) {
        std::cout << app.help();
        return 0;
    } catch (const CLI::CallForAllHelp&) {
        std::cout << app.help("", CLI::AppFormatMode::All);
        return 0;
    } catch (const CLI::ParseError& e) {
        return Die(FirstLine(e.what()));
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
