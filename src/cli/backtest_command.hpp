#pragma once

#include "scheme/scheme_backtest.hpp"

#include <string>

namespace CLI {
class App;
}

namespace sorvanta::cli {

struct HistoryCommands;

// The draws to test, as backtest and stats read them: the line, --last and
// --positions of `command` into `options`. 0, or the exit status of a
// one-line error already printed.
int ReadDrawsToTest(const CLI::App& command, const HistoryCommands& commands,
                    scheme::SchemeBacktestOptions& options);

// backtest's --money, --price, --prize and --plan.
void AddMoneyOptions(CLI::App& backtest, HistoryCommands& commands);

// `backtest SCHEME (--draws FILE | --lottery L) [--line 1|2] [--last N]
// [--positions P] [--details] [--money [--price P] [--prize W] [--plan M,…]]`:
// the scheme run once, each draw's winning number looked up among the
// survivors, and with --money the purse followed oldest draw first; prints
// SchemeBacktest::Text.
int RunBacktestCommand(const HistoryCommands& commands);

} // namespace sorvanta::cli
