// The purse of the backtest on hand-made hit sequences, the reading of typed
// amounts and plans, and the written figures.
#include "history/purse.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <ostream>
#include <string>
#include <vector>

using namespace sorvanta::history;

namespace {

// Every figure recomputed the slow, obvious way from the hits and terms:
// the multiplier walked by hand, the drawdown over every pair of draws.
void ExpectSound(const Purse& purse, const std::vector<bool>& hits, int bets,
                 const PurseTerms& terms) {
    ASSERT_EQ(purse.steps.size(), hits.size());
    std::size_t at = 0;
    Fen cost = 0, paid = 0, balance = 0, lowest = 0, drawdown = 0;
    int highest = 0;
    for (std::size_t i = 0; i < hits.size(); ++i) {
        const PurseStep& s = purse.steps[i];
        EXPECT_EQ(s.multiplier, terms.plan[at]) << "draw " << i;
        EXPECT_TRUE(s.cost == Fen(bets) * terms.price * terms.plan[at]) << "draw " << i;
        EXPECT_TRUE(s.paid == (hits[i] ? Fen(terms.prize) * terms.plan[at] : 0)) << "draw " << i;
        cost += s.cost;
        paid += s.paid;
        balance += s.paid - s.cost;
        EXPECT_TRUE(s.balance == balance) << "draw " << i;
        lowest = std::min(lowest, balance);
        highest = std::max(highest, s.multiplier);
        for (std::size_t j = 0; j <= i; ++j)
            drawdown = std::max(drawdown, std::max<Fen>(0, purse.steps[j].balance) - balance);
        at = hits[i] ? 0 : std::min(at + 1, terms.plan.size() - 1);
    }
    EXPECT_TRUE(purse.cost == cost);
    EXPECT_TRUE(purse.paid == paid);
    EXPECT_TRUE(purse.lowest_balance == lowest);
    EXPECT_TRUE(purse.max_drawdown == drawdown);
    EXPECT_EQ(purse.highest_multiplier, highest);
}

struct PurseCase {
    const char* name;
    std::vector<bool> hits; // oldest first
    int bets;
    PurseTerms terms; // fen
    // cost, return, profit, rate, lowest, drawdown as written; highest multiplier
    std::vector<std::string> figures;
    int highest;
};

void PrintTo(const PurseCase& c, std::ostream* os) {
    *os << c.name;
}

std::vector<bool> Repeat(bool hit, std::size_t count, bool last) {
    std::vector<bool> hits(count, hit);
    hits.back() = last;
    return hits;
}

const PurseCase kPurseCases[] = {
    {"AllHits",
     {1, 1, 1},
     5,
     {200, 10000, {1, 2}},
     {"30.00", "300.00", "270.00", "1000.00", "0.00", "0.00"},
     1},
    {"AllMissesLastMultiplierRepeats",
     {0, 0, 0, 0},
     1,
     {200, 10000, {1, 2, 4}},
     {"22.00", "0.00", "-22.00", "0.00", "-22.00", "22.00"},
     4},
    {"HitGoesBackToTheFirst",
     {0, 0, 1, 0},
     1,
     {100, 1000, {1, 2, 4, 8}},
     {"8.00", "40.00", "32.00", "500.00", "-3.00", "3.00"},
     4},
    {"PlanLongerThanTheMisses",
     {0, 1},
     2,
     {200, 1000, {1, 2, 4, 8, 16}},
     {"12.00", "20.00", "8.00", "166.67", "-4.00", "4.00"},
     2},
    {"DrawdownFromAPeakAboveZero",
     {1, 0, 0, 1},
     1,
     {100, 500, {1}},
     {"4.00", "10.00", "6.00", "250.00", "0.00", "2.00"},
     1},
    {"PricesWithFen",
     {1, 0},
     3,
     {35, 50, {1}},
     {"2.10", "0.50", "-1.60", "23.81", "-1.60", "1.60"},
     1},
    {"RateHalfGoesToEvenDown",
     {1},
     1,
     {20000, 1, {1}},
     {"200.00", "0.01", "-199.99", "0.00", "-199.99", "199.99"},
     1},
    {"RateHalfGoesToEvenUp",
     {1},
     1,
     {20000, 3, {1}},
     {"200.00", "0.03", "-199.97", "0.02", "-199.97", "199.97"},
     1},
    {"NoDraws", {}, 10, {200, 10000, {1, 2}}, {"0.00", "0.00", "0.00", "-", "0.00", "0.00"}, 0},
    {"NothingBet",
     {0, 0},
     0,
     {200, 10000, {1, 3}},
     {"0.00", "0.00", "0.00", "-", "0.00", "0.00"},
     3},
    // The most the options allow: 1e20 fen a draw, past 64 bits, 5000 times.
    {"LargestAmountsWithoutOverflow",
     Repeat(false, 5000, false),
     10000,
     {kMaxAmountFen, kMaxAmountFen, {kMaxMultiplier}},
     {"5000000000000000000000.00", "0.00", "-5000000000000000000000.00", "0.00",
      "-5000000000000000000000.00", "5000000000000000000000.00"},
     kMaxMultiplier},
    {"LargestAmountsLastDrawHits",
     Repeat(false, 5000, true),
     10000,
     {kMaxAmountFen, kMaxAmountFen, {kMaxMultiplier}},
     {"5000000000000000000000.00", "100000000000000.00", "-4999999900000000000000.00", "0.00",
      "-4999999900000000000000.00", "4999999900000000000000.00"},
     kMaxMultiplier},
};

class PurseOnHits : public ::testing::TestWithParam<PurseCase> {};

TEST_P(PurseOnHits, FiguresAsWritten) {
    const PurseCase& c = GetParam();
    const Purse purse = FollowPurse(c.hits, c.bets, c.terms);
    ExpectSound(purse, c.hits, c.bets, c.terms);
    const std::vector<std::string> figures = {
        FormatYuan(purse.cost),  FormatYuan(purse.paid),           FormatYuan(purse.Profit()),
        FormatReturnRate(purse), FormatYuan(purse.lowest_balance), FormatYuan(purse.max_drawdown)};
    EXPECT_EQ(figures, c.figures);
    EXPECT_EQ(purse.highest_multiplier, c.highest);
}

INSTANTIATE_TEST_SUITE_P(Hand, PurseOnHits, ::testing::ValuesIn(kPurseCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Purse, YuanWritten) {
    const std::pair<Fen, const char*> rows[] = {
        {0, "0.00"}, {5, "0.05"}, {-5, "-0.05"}, {-100, "-1.00"}, {123456, "1234.56"}};
    for (const auto& [fen, text] : rows)
        EXPECT_EQ(FormatYuan(fen), text);
}

TEST(Purse, AmountsRead) {
    using P = MoneyProblem;
    const struct {
        const char* text;
        std::int64_t fen;
        MoneyProblem problem;
    } rows[] = {
        {"2", 200, P::None},
        {"2.5", 250, P::None},
        {" 3.20 ", 320, P::None},
        {"0.01", 1, P::None},
        {"1000000000", kMaxAmountFen, P::None},
        {"1000000000.01", 0, P::TooLarge},
        {"99999999999999999999999", 0, P::TooLarge},
        {"0", 0, P::NotPositive},
        {"0.00", 0, P::NotPositive},
        {"-2", 0, P::NotPositive},
        {"2.345", 0, P::TooManyDecimals},
        {"abc", 0, P::NotANumber},
        {"", 0, P::NotANumber},
        {"1e3", 0, P::NotANumber},
        {"2.", 0, P::NotANumber},
        {"1,000", 0, P::NotANumber},
        {"\xEF\xBC\x92", 0, P::NotANumber}, // a full-width 2
    };
    for (const auto& row : rows) {
        const AmountReading reading = ReadYuan(row.text);
        EXPECT_EQ(reading.problem, row.problem) << row.text;
        if (row.problem == P::None) {
            EXPECT_EQ(reading.fen, row.fen) << row.text;
        }
    }
}

TEST(Purse, PlansRead) {
    using P = MoneyProblem;
    std::string hundred = "1";
    for (int i = 1; i < 100; ++i)
        hundred += ",1";
    const struct {
        std::string text;
        std::vector<int> plan;
        MoneyProblem problem;
        std::string piece;
    } rows[] = {
        {"1,2,4,8", {1, 2, 4, 8}, P::None, ""},
        {" 1 , 3 ", {1, 3}, P::None, ""},
        {"1\xEF\xBC\x8C"
         "5",
         {1, 5},
         P::None,
         ""}, // a full-width comma
        {"100000", {100000}, P::None, ""},
        {hundred, std::vector<int>(100, 1), P::None, ""},
        {hundred + ",1", {}, P::TooManySteps, "1"},
        {"1,0", {}, P::NotPositive, "0"},
        {"1,-2", {}, P::NotPositive, "-2"},
        {"100001", {}, P::TooLarge, "100001"},
        {"1,x", {}, P::NotANumber, "x"},
        {"1,,2", {}, P::NotANumber, ""},
        {"1.5", {}, P::NotANumber, "1.5"},
        {"", {}, P::NotANumber, ""},
    };
    for (const auto& row : rows) {
        const PlanReading reading = ReadPlan(row.text);
        EXPECT_EQ(reading.problem, row.problem) << row.text;
        EXPECT_EQ(reading.plan, row.plan) << row.text;
        EXPECT_EQ(reading.piece, row.piece) << row.text;
    }
    EXPECT_EQ(PlanText({1, 2, 4, 8}), "1,2,4,8");
}

} // namespace
