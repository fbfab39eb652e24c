#pragma once

#include "common/mode.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>
#if !defined(__SIZEOF_INT128__) && defined(_MSC_VER)
#include <__msvc_int128.hpp>
#endif

namespace sorvanta::history {

// Money in whole fen (0.01 yuan). The sums need more than 64 bits: a draw
// may cost up to 10,000 bets x 1e11 fen x a multiplier of 100,000 = 1e20
// fen, past int64's 9.2e18, and 5000 such draws add up to 5e23. A signed
// 128-bit integer holds 1.7e38, so every sum the allowed amounts can give
// is exact and none is refused. GCC and Clang have the type built in; MSVC
// has none, and its standard library's own 128-bit integer (the one it uses
// for ranges) does the same arithmetic.
#if defined(__SIZEOF_INT128__)
__extension__ typedef __int128 Fen;
#elif defined(_MSC_VER)
using Fen = std::_Signed128;
#else
#error "Money needs a signed 128-bit integer"
#endif

inline constexpr std::int64_t kFenPerYuan = 100;
// The allowed price and prize: 0.01 to 1,000,000,000 yuan.
inline constexpr std::int64_t kMinAmountFen = 1;
inline constexpr std::int64_t kMaxAmountFen = 1'000'000'000 * kFenPerYuan;
// The allowed plan: at most 100 multipliers, each 1 to 100,000.
inline constexpr std::size_t kMaxMultipliers = 100;
inline constexpr int kMaxMultiplier = 100'000;

// The prize of a hit at multiplier 1 unless the player names another:
// 10,000 yuan (four), 1,000 (three), 100 (two).
constexpr std::int64_t DefaultPrize(Mode mode) {
    return (mode == Mode::Four ? 10'000 : mode == Mode::Three ? 1'000 : 100) * kFenPerYuan;
}

// What a player bets: the price of one bet, the prize of a hit at
// multiplier 1, and the 倍投 plan.
struct PurseTerms {
    std::int64_t price = 2 * kFenPerYuan;
    std::int64_t prize = 0;
    std::vector<int> plan{1};
};

// One draw of the purse, oldest first.
struct PurseStep {
    int multiplier = 1;
    Fen cost = 0;
    Fen paid = 0;    // the return: the prize times the multiplier on a hit
    Fen balance = 0; // after this draw
};

struct Purse {
    Fen cost = 0;
    Fen paid = 0;
    Fen lowest_balance = 0;       // 0 when it never went below 0
    Fen max_drawdown = 0;         // largest fall from the highest earlier balance (0 counts)
    int highest_multiplier = 0;   // 0 when no draw was bet
    std::vector<PurseStep> steps; // oldest first

    Fen Profit() const { return paid - cost; }
    // The return over the cost in hundredths of a percent, half to even;
    // nullopt when nothing was spent.
    std::optional<Fen> ReturnRateHundredths() const;
};

// Follows the purse through the draws, `hits` oldest first: each draw is bet
// at the plan's current multiplier; a miss moves to the next one (the last
// repeats), a hit goes back to the first. The terms are taken as checked
// (positive amounts, a plan of positive multipliers); an empty plan bets 1.
Purse FollowPurse(const std::vector<bool>& hits, int bets, const PurseTerms& terms);

// "12.34", "-0.05", "0.00": yuan with exactly two decimals.
std::string FormatYuan(Fen fen);
// "95.50" or "-" when nothing was spent (no percent sign).
std::string FormatReturnRate(const Purse& purse);

// Why a typed amount or plan was refused; each tool words it in its language.
enum class MoneyProblem {
    None,
    NotANumber,      // not digits with an optional fraction
    TooManyDecimals, // more than two places
    NotPositive,     // 0, or a minus sign
    TooLarge,        // above 1,000,000,000 yuan, or a multiplier above 100,000
    TooManySteps,    // more than 100 multipliers
};

struct AmountReading {
    std::int64_t fen = 0;
    MoneyProblem problem = MoneyProblem::None;
};
// "2", "2.5", "0.01", "1000000000.00"; blanks around it are ignored.
AmountReading ReadYuan(std::string_view text);

struct PlanReading {
    std::vector<int> plan;
    MoneyProblem problem = MoneyProblem::None;
    std::string piece; // the multiplier that was refused, as typed
};
// "1,2,4,8": whole multipliers separated by commas (ASCII or full-width),
// blanks around each ignored.
PlanReading ReadPlan(std::string_view text);

// A plan as typed back into a field: "1,2,4,8".
std::string PlanText(const std::vector<int>& plan);

} // namespace sorvanta::history
