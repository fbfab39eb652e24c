#include "cli/backtest_command.hpp"

#include "cli/cli_io.hpp"
#include "cli/history_commands.hpp"
#include "history/draw_history.hpp"
#include "history/purse.hpp"
#include "scheme/scheme_backtest.hpp"

#include <CLI/CLI.hpp>

#include <optional>
#include <string>
#include <string_view>
#include <tuple>

namespace sorvanta::cli {

namespace {

// --last N of backtest and stats: a whole number, optionally signed, brought
// into 1 to the most draws a line holds by CLI11's Bound, so a negative
// number reads as 1 and one of twenty digits as the most.
const CLI::Validator& LastDraws() {
    static const CLI::Validator validator(
        [](std::string& text) {
            std::string_view digits = text;
            std::string sign;
            if (!digits.empty() && (digits.front() == '-' || digits.front() == '+')) {
                sign = digits.front();
                digits.remove_prefix(1);
            }
            if (digits.empty() || digits.find_first_not_of("0123456789") != std::string_view::npos)
                return std::string("not a whole number");
            // CLI11 would read a leading 0 as an octal number.
            const std::size_t first = digits.find_first_not_of('0');
            text = sign + std::string(first == std::string_view::npos ? "0" : digits.substr(first));
            return CLI::Bound(1LL, static_cast<long long>(history::DrawHistory::kRows))(text);
        },
        "WHOLE NUMBER");
    return validator;
}

std::string AmountRefusal(const std::string& option, const std::string& text,
                          history::MoneyProblem problem) {
    using history::MoneyProblem;
    const std::string quoted = ": '" + text + "'";
    switch (problem) {
    case MoneyProblem::TooManyDecimals:
        return option + " has more than two decimals" + quoted;
    case MoneyProblem::NotPositive:
        return option + " must be above 0" + quoted;
    case MoneyProblem::TooLarge:
        return option + " must be at most 1000000000 yuan" + quoted;
    default:
        return option + " must be an amount in yuan such as 2 or 1.50" + quoted;
    }
}

std::string PlanRefusal(const history::PlanReading& reading) {
    using history::MoneyProblem;
    const std::string piece = "'" + reading.piece + "'";
    switch (reading.problem) {
    case MoneyProblem::NotPositive:
        return "--plan: multiplier " + piece + " must be 1 or more";
    case MoneyProblem::TooLarge:
        return "--plan: multiplier " + piece + " must be at most 100000";
    case MoneyProblem::TooManySteps:
        return "--plan has more than 100 multipliers";
    default:
        return "--plan: multiplier " + piece + " is not a whole number (write e.g. 1,2,4,8)";
    }
}

// The terms of --money, each option checked; the refusal's exit status, or 0.
int ReadMoney(const HistoryCommands& c, Mode mode, std::optional<history::PurseTerms>& money) {
    const bool termsGiven =
        c.backtest->count("--price") + c.backtest->count("--prize") + c.backtest->count("--plan") !=
        0;
    if (!c.money) {
        // Terms without --money would print nothing about them: a mistake to
        // point out, not to pass over.
        return termsGiven ? Die("--price, --prize and --plan need --money") : 0;
    }
    history::PurseTerms terms;
    terms.prize = history::DefaultPrize(mode);
    for (const auto& [option, text, target] : {std::tuple{"--price", &c.price, &terms.price},
                                               std::tuple{"--prize", &c.prize, &terms.prize}}) {
        if (c.backtest->count(option) == 0)
            continue;
        const history::AmountReading reading = history::ReadYuan(*text);
        if (reading.problem != history::MoneyProblem::None)
            return Die(AmountRefusal(option, *text, reading.problem));
        *target = reading.fen;
    }
    if (c.backtest->count("--plan") != 0) {
        const history::PlanReading reading = history::ReadPlan(c.plan);
        if (reading.problem != history::MoneyProblem::None)
            return Die(PlanRefusal(reading));
        terms.plan = reading.plan;
    }
    money = std::move(terms);
    return 0;
}

} // namespace

void AddMoneyOptions(CLI::App& backtest, HistoryCommands& c) {
    backtest
        .add_flag("--money", c.money,
                  "Also follow the money bet on every draw, oldest first (cost, return, "
                  "profit, return rate, lowest balance, max drawdown, highest multiplier)")
        ->disable_flag_override(); // "--money=3" is a mistake, not --money
    backtest.add_option("--price", c.price, "Yuan per bet with --money (default 2)");
    backtest.add_option("--prize", c.prize,
                        "Yuan paid for a hit at multiplier 1 with --money (default: four 10000, "
                        "three 1000, two 100)");
    backtest.add_option("--plan", c.plan,
                        "Multipliers with --money, e.g. 1,2,4,8: the next after a miss (the last "
                        "repeats), the first after a hit (default 1)");
}

int ReadDrawsToTest(const CLI::App& command, const HistoryCommands& c,
                    scheme::SchemeBacktestOptions& options) {
    options.history_line = c.line;
    if (command.count("--last") != 0) {
        // Read here rather than while parsing, so the refusals keep their order.
        std::string last = c.last;
        if (!LastDraws()(last).empty())
            return Die("--last must be a whole number: '" + c.last + "'");
        options.last = std::stoi(last);
    }
    if (command.count("--positions") != 0) {
        options.positions = history::PositionsFromText(c.positions);
        if (!options.positions)
            return Die("--positions must name positions among 万千百十个, each once: '" +
                       c.positions + "'");
    }
    return 0;
}

int RunBacktestCommand(const HistoryCommands& c) {
    if (const int status = CheckDrawSource(c))
        return status;
    if (c.scheme == "-" && c.drawsFile == "-")
        return Die("standard input can give the scheme or the draws, not both");

    scheme::SchemeBacktestOptions options;
    if (const int status = ReadDrawsToTest(*c.backtest, c, options))
        return status;

    scheme::Scheme scheme;
    if (const int status = ReadSchemeFile(c.scheme, scheme))
        return status;
    try {
        if (options.positions)
            scheme::CheckPositions(scheme.mode, *options.positions);
    } catch (const scheme::SchemeError& e) {
        return Die(std::string("--positions: ") + e.what());
    }
    if (const int status = ReadMoney(c, scheme.mode, options.money))
        return status;

    history::HistoryState state;
    if (const int status = LoadHistory(c, state))
        return status;
    const scheme::SchemeBacktest result = scheme::RunSchemeBacktest(scheme, state.draws, options);
    return Print(result.Text(c.details));
}

} // namespace sorvanta::cli
