// The trend chart's figures: omission per row, sum and span, the summary
// rows, and the latest row against the omission grid.
#include "history/trend_figures.hpp"

#include "history/draw_text.hpp"
#include "history/omission.hpp"

#include <gtest/gtest.h>

#include <fstream>
#include <iterator>
#include <string>

using namespace sorvanta::history;

namespace {

HistoryState State(const std::string& text, DataLine line = DataLine::One) {
    const DrawTextRead read = ReadDrawText(text);
    EXPECT_TRUE(read.ok) << read.error;
    HistoryState state;
    FillHistory(state, line, read.draws);
    return state;
}

// 万 runs 1 1 5 1 and 个 5 0 1 5, oldest first.
const char* kFour =
    "20260101-001 12345\n20260101-002 12300\n20260101-003 52301\n20260101-004 12345\n";

TEST(TrendFigures, RowsOldestFirstWithOmissionSumAndSpan) {
    const TrendChart chart = ComputeTrend(State(kFour), SelectionOf(LastPositions(3)));
    ASSERT_EQ(chart.rows.size(), 4u);
    const struct {
        int position, digit;
        std::array<int, 4> omission; // rows oldest first
    } cells[] = {
        {0, 1, {0, 0, 1, 0}}, {0, 5, {1, 2, 0, 1}}, {0, 0, {1, 2, 3, 4}},
        {4, 5, {0, 1, 2, 0}}, {4, 1, {1, 2, 0, 1}}, {3, 0, {1, 0, 0, 1}},
    };
    for (const auto& c : cells)
        for (std::size_t r = 0; r < 4; ++r)
            EXPECT_EQ(chart.rows[r].omission[static_cast<std::size_t>(c.position)]
                                            [static_cast<std::size_t>(c.digit)],
                      c.omission[r])
                << "position " << c.position << " digit " << c.digit << " row " << r;
    const int sums[] = {12, 3, 4, 12};
    const int spans[] = {2, 3, 3, 2};
    for (std::size_t r = 0; r < 4; ++r) {
        EXPECT_EQ(chart.rows[r].sum, sums[r]);
        EXPECT_EQ(chart.rows[r].span, spans[r]);
    }
    EXPECT_EQ(chart.rows.front().period, "20260101-001");
    EXPECT_EQ(chart.rows.back().draw, "12345");
}

TEST(TrendFigures, SummaryRows) {
    const TrendSummary s = ComputeTrend(State(kFour), SelectionOf(LastPositions(3))).summary;
    const struct {
        int position, digit;
        int appearances, average, longest_omission, longest_run;
    } cells[] = {
        {0, 1, 3, 0, 1, 2}, // (4 - 3) / 4 = 0.25
        {0, 5, 1, 2, 2, 1}, // 3 / 2 = 1.5, to the even 2
        {0, 0, 0, 4, 4, 0}, // never came
        {4, 5, 2, 1, 2, 1}, // 2 / 3
        {2, 3, 4, 0, 0, 4}, // every row
    };
    for (const auto& c : cells) {
        const auto p = static_cast<std::size_t>(c.position);
        const auto d = static_cast<std::size_t>(c.digit);
        EXPECT_EQ(s.appearances[p][d], c.appearances) << c.position << "/" << c.digit;
        EXPECT_EQ(s.average_omission[p][d], c.average) << c.position << "/" << c.digit;
        EXPECT_EQ(s.longest_omission[p][d], c.longest_omission) << c.position << "/" << c.digit;
        EXPECT_EQ(s.longest_run[p][d], c.longest_run) << c.position << "/" << c.digit;
    }
}

TEST(TrendFigures, AverageOmissionHalfToEven) {
    const int rows[][3] = {{4, 3, 0}, {4, 1, 2}, {4, 0, 4}, {7, 1, 3},
                           {8, 1, 4}, {6, 1, 2}, {0, 0, 0}, {5000, 499, 9}};
    for (const auto& r : rows)
        EXPECT_EQ(AverageOmission(r[0], r[1]), r[2]) << r[0] << " " << r[1];
}

TEST(TrendFigures, LatestRowIsTheOmissionGrid) {
    std::ifstream in(SORVANTA_TEST_DATA "/sample_draws_cq.txt", std::ios::binary);
    const std::string sample{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
    for (const DataLine line : {DataLine::One, DataLine::Two}) {
        const HistoryState state = State(sample, line);
        const TrendChart chart = ComputeTrend(state, SelectionOf(LastPositions(4)));
        const OmissionFigures grid = ComputeOmission(state);
        ASSERT_EQ(static_cast<int>(chart.rows.size()), grid.draws);
        for (std::size_t p = 0; p < 5; ++p)
            for (std::size_t d = 0; d < 10; ++d) {
                EXPECT_EQ(chart.rows.back().omission[p][d], grid.current[p][d]) << p << d;
                EXPECT_EQ(chart.summary.longest_omission[p][d], grid.longest[p][d]) << p << d;
                EXPECT_EQ(chart.summary.appearances[p][d], grid.appearances[p][d]) << p << d;
            }
    }
    EXPECT_TRUE(ComputeTrend(HistoryState{}, SelectionOf(LastPositions(2))).rows.empty());
}

} // namespace
