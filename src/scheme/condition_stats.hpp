#pragma once

// How each condition button alone would have done on past draws: for every
// button of a mode's panel (a toggle: one value of one field), the numbers
// the mode's own shrink kills with that value on, and over a list of draws
// how often and how lately those kills hit the winning number.

#include "history/draw_history.hpp"
#include "scheme/scheme.hpp"
#include "scheme/scheme_backtest.hpp"

#include <bitset>
#include <span>
#include <string>
#include <vector>

namespace sorvanta::scheme {

// One button: a value of a field, as a scheme file writes it.
struct Toggle {
    std::string field;   // JSON path: "kill_sums", "position_kill[2]", "kill_shapes.odd_even"
    std::string value;   // "7", "07", "上山", "2202"
    std::string group;   // the part of the panel it sits in, as the panel names it
    std::string caption; // the button's caption
};

// Numbers 0..Candidates(mode) - 1 that a toggle's scheme does not keep.
using KillSet = std::bitset<10000>;

struct ToggleKills {
    Toggle toggle;
    KillSet kills;
    int size = 0; // kills.count()
};

// Every toggle of the mode's panel in its order, including those that kill
// nothing or everything alone.
std::vector<Toggle> AllToggles(Mode mode);

// The listed toggles of a mode with their kill sets: each toggle's scheme run
// through the mode's shrink, a toggle whose kill set is empty or full left
// out. Worked out on first use and kept for the life of the program.
const std::vector<ToggleKills>& ModeToggles(Mode mode);

// The same, worked out afresh at every call.
std::vector<ToggleKills> ComputeModeToggles(Mode mode);

// The toggle's scheme: the mode's empty scheme with that one value set.
Scheme ToggleScheme(Mode mode, const Toggle& toggle);

// The scheme with each toggle's value added to what it already holds; a
// value typed into a box (a four-star sum) is added to the box's text. How
// many of the toggles were not on before goes to `added` when given.
Scheme AddToggles(const Scheme& scheme, std::span<const Toggle> toggles, int* added = nullptr);

struct ToggleFigures {
    int killed = 0;
    int expected_tenths = 0; // D x kill-set size / candidates, in tenths, half to even
    int current = 0;         // latest draws in a row it does not kill
    int longest_safe = 0;
    int longest_killed = 0;
    std::string last; // period of the latest draw it kills, or "-"

    std::string Expected() const; // "3.6"
};

struct ConditionStats {
    Mode mode = Mode::Four;
    int draws = 0;
    std::vector<const ToggleKills*> toggles; // ModeToggles(mode), in order
    std::vector<ToggleFigures> figures;      // one per toggle

    // Exactly what `sorvanta-cli stats` prints.
    std::string Text() const;
};

// The figures of every listed toggle over the draws a backtest of the same
// options would read (positions, line, last). Throws SchemeError when the
// positions do not count the mode's digits.
ConditionStats RunConditionStats(Mode mode, const history::DrawHistory& draws,
                                 const SchemeBacktestOptions& options = {});

// The winning numbers of those draws, latest first, with their periods.
struct WinningDraw {
    std::string period;
    int number = 0;
};
std::vector<WinningDraw> WinningDraws(Mode mode, const history::DrawHistory& draws,
                                      const SchemeBacktestOptions& options);

// The figures of one kill set over winning draws, latest first.
ToggleFigures FiguresOf(const KillSet& kills, int size, int candidates,
                        std::span<const WinningDraw> draws);

// D x size / candidates in tenths, rounded half to even, worked in integers.
int ExpectedTenths(long long draws, long long size, long long candidates);

} // namespace sorvanta::scheme
