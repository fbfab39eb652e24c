#include "cli/backtest_command.hpp"

#include "cli/cli_io.hpp"
#include "cli/history_commands.hpp"
#include "common/limits.hpp"
#include "history/draw_history.hpp"
#include "scheme/scheme_backtest.hpp"

#include <CLI/CLI.hpp>

#include <algorithm>
#include <limits>
#include <optional>

namespace sorvanta::cli {

namespace {

// --last N: a whole number, optionally signed; below 1 reads as 1, and
// anything past the most draws a line holds reads as that.
std::optional<int> ReadLast(const std::string& text) {
    std::string_view digits = text;
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
    for (char c : digits) {
        value = std::min<long long>(value * 10 + (c - '0'), history::DrawHistory::kRows);
    }
    return std::max<long long>(value, 1);
}

} // namespace

int ReadSchemeFile(const std::string& path, scheme::Scheme& scheme) {
    std::string text;
    std::string error;
    if (!ReadBounded(path, kMaxSchemeBytes, text, error))
        return Die(error);
    try {
        scheme = scheme::ParseScheme(text);
    } catch (const scheme::SchemeError& e) {
        return Die((path == "-" ? std::string("(stdin)") : path) + ": " + e.what());
    }
    return 0;
}

int RunBacktestCommand(const HistoryCommands& c) {
    if (const int status = CheckDrawSource(c))
        return status;
    if (c.scheme == "-" && c.drawsFile == "-")
        return Die("standard input can give the scheme or the draws, not both");

    scheme::SchemeBacktestOptions options;
    options.history_line = c.line;
    if (c.backtest->count("--last") != 0) {
        const std::optional<int> last = ReadLast(c.last);
        if (!last)
            return Die("--last must be a whole number: '" + c.last + "'");
        options.last = *last;
    }
    if (c.backtest->count("--positions") != 0) {
        options.positions = history::PositionsFromText(c.positions);
        if (!options.positions)
            return Die("--positions must name positions among 万千百十个, each once: '" +
                       c.positions + "'");
    }

    scheme::Scheme scheme;
    if (const int status = ReadSchemeFile(c.scheme, scheme))
        return status;
    try {
        if (options.positions)
            scheme::CheckPositions(scheme.mode, *options.positions);
    } catch (const scheme::SchemeError& e) {
        return Die(std::string("--positions: ") + e.what());
    }

    history::HistoryState state;
    if (const int status = LoadHistory(c, state))
        return status;
    const scheme::SchemeBacktest result = scheme::RunSchemeBacktest(scheme, state.draws, options);
    return Print(result.Text(c.details));
}

} // namespace sorvanta::cli
