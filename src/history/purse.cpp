#include "history/purse.hpp"

#include <algorithm>

namespace sorvanta::history {

namespace {

std::string_view Trimmed(std::string_view text) {
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool AllDigits(std::string_view text) {
    return !text.empty() &&
           std::all_of(text.begin(), text.end(), [](char c) { return c >= '0' && c <= '9'; });
}

// The value of a digit string, or `cap + 1` once it passes `cap`, so that a
// hundred-digit number cannot overflow.
std::int64_t CappedValue(std::string_view digits, std::int64_t cap) {
    std::int64_t value = 0;
    for (char c : digits) {
        value = value * 10 + (c - '0');
        if (value > cap)
            return cap + 1;
    }
    return value;
}

std::string Digits(Fen value) {
    std::string text;
    do {
        text += static_cast<char>('0' + static_cast<int>(value % 10));
        value /= 10;
    } while (value > 0);
    std::reverse(text.begin(), text.end());
    return text;
}

// Hundredths as "W.FF", with a minus sign when negative.
std::string TwoDecimals(Fen hundredths) {
    const bool negative = hundredths < 0;
    const Fen magnitude = negative ? -hundredths : hundredths;
    std::string fraction = Digits(magnitude % 100);
    if (fraction.size() < 2)
        fraction.insert(0, 1, '0');
    return (negative ? "-" : "") + Digits(magnitude / 100) + "." + fraction;
}

} // namespace

std::optional<Fen> Purse::ReturnRateHundredths() const {
    if (cost <= 0)
        return std::nullopt;
    // paid <= 5e23 fen, times 10,000 stays far below 1.7e38.
    const Fen scaled = paid * 10'000;
    Fen quotient = scaled / cost;
    const Fen twice = (scaled % cost) * 2;
    if (twice > cost || (twice == cost && quotient % 2 != 0))
        ++quotient;
    return quotient;
}

Purse FollowPurse(const std::vector<bool>& hits, int bets, const PurseTerms& terms) {
    static const std::vector<int> kFlat{1};
    const std::vector<int>& plan = terms.plan.empty() ? kFlat : terms.plan;
    Purse purse;
    purse.steps.reserve(hits.size());
    const Fen perUnit = static_cast<Fen>(std::max(bets, 0)) * terms.price;
    Fen balance = 0;
    Fen peak = 0;
    std::size_t step = 0;
    for (const bool hit : hits) {
        PurseStep s;
        s.multiplier = plan[step];
        s.cost = perUnit * s.multiplier;
        s.paid = hit ? static_cast<Fen>(terms.prize) * s.multiplier : 0;
        balance += s.paid - s.cost;
        s.balance = balance;
        purse.cost += s.cost;
        purse.paid += s.paid;
        purse.lowest_balance = std::min(purse.lowest_balance, balance);
        peak = std::max(peak, balance);
        purse.max_drawdown = std::max(purse.max_drawdown, peak - balance);
        purse.highest_multiplier = std::max(purse.highest_multiplier, s.multiplier);
        purse.steps.push_back(s);
        step = hit ? 0 : std::min(step + 1, plan.size() - 1);
    }
    return purse;
}

std::string FormatYuan(Fen fen) {
    return TwoDecimals(fen);
}

std::string FormatReturnRate(const Purse& purse) {
    const std::optional<Fen> rate = purse.ReturnRateHundredths();
    return rate ? TwoDecimals(*rate) : std::string("-");
}

AmountReading ReadYuan(std::string_view text) {
    text = Trimmed(text);
    AmountReading reading;
    bool negative = false;
    if (!text.empty() && (text.front() == '-' || text.front() == '+')) {
        negative = text.front() == '-';
        text.remove_prefix(1);
    }
    const std::size_t point = text.find('.');
    const std::string_view whole = text.substr(0, point);
    const std::string_view fraction =
        point == std::string_view::npos ? std::string_view() : text.substr(point + 1);
    if (!AllDigits(whole) || (point != std::string_view::npos && !AllDigits(fraction))) {
        reading.problem = MoneyProblem::NotANumber;
        return reading;
    }
    if (fraction.size() > 2) {
        reading.problem = MoneyProblem::TooManyDecimals;
        return reading;
    }
    const std::int64_t yuan = CappedValue(whole, kMaxAmountFen / kFenPerYuan);
    std::int64_t cents = CappedValue(fraction, 99);
    if (fraction.size() == 1)
        cents *= 10;
    reading.fen = yuan * kFenPerYuan + cents;
    if (negative || reading.fen < kMinAmountFen)
        reading.problem = MoneyProblem::NotPositive;
    else if (reading.fen > kMaxAmountFen)
        reading.problem = MoneyProblem::TooLarge;
    return reading;
}

PlanReading ReadPlan(std::string_view text) {
    PlanReading reading;
    const auto refuse = [&](MoneyProblem problem, std::string_view piece) {
        reading.problem = problem;
        reading.piece = std::string(piece);
        reading.plan.clear();
        return reading;
    };
    static constexpr std::string_view kWideComma = "\xEF\xBC\x8C"; // ，
    while (true) {
        const std::size_t comma = std::min(text.find(','), text.find(kWideComma));
        const std::string_view piece = Trimmed(text.substr(0, comma));
        std::string_view digits = piece;
        const bool signed_ = !digits.empty() && (digits.front() == '-' || digits.front() == '+');
        if (signed_)
            digits.remove_prefix(1);
        if (!AllDigits(digits))
            return refuse(MoneyProblem::NotANumber, piece);
        const std::int64_t value = CappedValue(digits, kMaxMultiplier);
        if (piece.front() == '-' || value == 0)
            return refuse(MoneyProblem::NotPositive, piece);
        if (value > kMaxMultiplier)
            return refuse(MoneyProblem::TooLarge, piece);
        if (reading.plan.size() == kMaxMultipliers)
            return refuse(MoneyProblem::TooManySteps, piece);
        reading.plan.push_back(static_cast<int>(value));
        if (comma == std::string_view::npos)
            return reading;
        text.remove_prefix(comma + (text[comma] == ',' ? 1 : kWideComma.size()));
    }
}

std::string PlanText(const std::vector<int>& plan) {
    std::string text;
    for (const int m : plan) {
        if (!text.empty())
            text += ',';
        text += std::to_string(m);
    }
    return text;
}

} // namespace sorvanta::history
