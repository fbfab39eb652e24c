// sorvanta-cli: runs a saved scheme headless and prints the list the window's
// copy button would put on the clipboard.
#include "cli/history_commands.hpp"
#include "scheme/run_scheme.hpp"

#include <CLI/CLI.hpp>

#include <cerrno>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>

namespace {

constexpr int kExitRefused = 1;
constexpr int kExitBadInput = 2;

int Die(const std::string& message) {
    // The message is one line whatever it quotes: a field name taken from the
    // scheme may hold a line break of its own.
    std::string line;
    line.reserve(message.size());
    for (char c : message) {
        if (c == '\n')
            line += "\\n";
        else if (c == '\r')
            line += "\\r";
        else if (static_cast<unsigned char>(c) < 0x20)
            line += ' ';
        else
            line += c;
    }
    std::cerr << "sorvanta-cli: " << line << "\n";
    return kExitBadInput;
}

bool ReadAll(const std::string& path, std::string& out, std::string& error) {
    if (path == "-") {
        std::ostringstream buffer;
        buffer << std::cin.rdbuf();
        out = buffer.str();
        return true;
    }
    // A directory opens like a file here and only fails on the first read,
    // where the library throws instead of reporting.
    std::error_code ec;
    if (std::filesystem::is_directory(path, ec)) {
        error = "cannot read " + path + ": " + std::strerror(EISDIR);
        return false;
    }
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        error = "cannot read " + path + ": " + std::strerror(errno);
        return false;
    }
    try {
        out.assign(std::istreambuf_iterator<char>(file), std::istreambuf_iterator<char>());
    } catch (const std::exception&) {
        error = "cannot read " + path;
        return false;
    }
    if (file.bad()) {
        error = "cannot read " + path;
        return false;
    }
    return true;
}

struct ShrinkOptions {
    std::string path;
    bool group = false;
    bool invert = false;
    bool count = false;
};

int RunShrink(const ShrinkOptions& options) {
    std::string text;
    std::string error;
    if (!ReadAll(options.path, text, error))
        return Die(error);

    sorvanta::scheme::Scheme scheme;
    try {
        scheme = sorvanta::scheme::ParseScheme(text);
    } catch (const sorvanta::scheme::SchemeError& e) {
        const std::string name = options.path == "-" ? "(stdin)" : options.path;
        return Die(name + ": " + e.what());
    }
    using sorvanta::scheme::RunResult;
    const RunResult result = sorvanta::scheme::RunScheme(scheme, {options.group, options.invert});
    switch (result.status) {
    case RunResult::Status::Refused:
        std::cerr << "sorvanta-cli: " << result.message << "\n";
        return kExitRefused;
    case RunResult::Status::Ok:
        break;
    }
    if (options.count)
        std::cout << result.numbers.size() << "\n";
    else
        std::cout << result.Text() << "\n";
    return std::cout.good() ? 0 : kExitRefused;
}

} // namespace

int main(int argc, char** argv) {
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
    return Die("no command given; try: sorvanta-cli shrink SCHEME.json");
}
