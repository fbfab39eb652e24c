#pragma once

#include "history/backtest.hpp"
#include "history/draw_history.hpp"
#include "history/purse.hpp"
#include "scheme/scheme.hpp"

#include <array>
#include <optional>
#include <string>
#include <vector>

namespace sorvanta::scheme {

// How many tested winning numbers one condition group marked (failed).
struct GroupMarks {
    std::string name; // as the panel shows it, or a list step's name ("大底")
    int marked = 0;
};

// One tested draw, latest first.
struct DrawOutcome {
    std::string period;
    std::string draw;   // the five-digit draw text
    std::string number; // its digits at the chosen positions
    bool hit = false;
    std::vector<std::string> groups; // for a miss: the groups that marked it
};

// How a scheme would have done on past draws: one run of the scheme, then a
// lookup of each draw's winning number among the survivors, with the groups
// that marked it read from the run's fail columns.
struct SchemeBacktest {
    int bets = 0;       // survivors of the run
    int candidates = 0; // every number of the mode (100, 1000, 10000)
    int draws = 0;      // draws tested
    int hits = 0;
    int longest_hits = 0;
    int longest_misses = 0;
    // Every group that took part in the run, in pipeline order, then the
    // list steps that were given.
    std::vector<GroupMarks> groups;
    std::vector<DrawOutcome> outcomes; // latest first
    // The money bet on the tested draws, when terms were given: its steps
    // run oldest first, so step k belongs to outcome draws - 1 - k.
    std::optional<history::Purse> purse;

    // Exactly what `sorvanta-cli backtest` prints, with or without --details
    // (and with the money lines when the purse was followed).
    std::string Text(bool details) const;
    // The money lines alone: cost, return, profit, return rate, lowest
    // balance, max drawdown, highest multiplier; empty without a purse.
    std::string MoneyText() const;
};

struct SchemeBacktestOptions {
    // Nullopt: the mode's last positions (千百十个, 百十个, 十个).
    std::optional<history::PositionSelection> positions;
    int history_line = 1; // 1 or 2: at most 5000 or 100 draws
    int last = 0;         // at most this many draws when above 0
    // Follow a purse through the draws with these terms.
    std::optional<history::PurseTerms> money;
};

// The mode's default positions: its last Width(mode) positions.
history::PositionSelection DefaultPositions(Mode mode);

// Throws SchemeError with a one-line message unless the positions count the
// mode's digits (Width(mode)); RunSchemeBacktest checks this first.
void CheckPositions(Mode mode, const history::PositionSelection& positions);

// Follows the purse of `result`'s draws, oldest first, with these terms
// (the purse a run with SchemeBacktestOptions::money gets): for new terms
// without running the scheme again.
void FollowPurse(SchemeBacktest& result, const history::PurseTerms& terms);

// Runs the backtest. Throws SchemeError with a one-line message when the
// positions do not count the mode's digits.
SchemeBacktest RunSchemeBacktest(const Scheme& scheme, const history::DrawHistory& draws,
                                 const SchemeBacktestOptions& options = {});

} // namespace sorvanta::scheme
