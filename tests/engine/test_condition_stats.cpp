// Condition statistics: each button's kill set and its figures over past
// draws. Hand-made draw lists whose figures can be read off, and one shared
// re-check of every button against a run of its one-button scheme.
#include "scheme/condition_stats.hpp"

#include "history/draw_text.hpp"
#include "scheme/run_scheme.hpp"

#include <nlohmann/json.hpp>

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::scheme;

namespace {

history::DrawHistory Draws(const std::string& text, int line = 1) {
    const history::DrawTextRead read = history::ReadDrawText(text);
    EXPECT_TRUE(read.ok) << read.error;
    history::HistoryState state;
    history::FillHistory(state, *history::DataLineFromNumber(line), read.draws);
    return state.draws;
}

// Oldest first; 十个 are 11 22 12 33 45, so 杀跨度 0 kills p1, p2 and p4.
const char* kFiveDraws = "20260101-001 00011\n20260101-002 00022\n20260101-003 00012\n"
                         "20260101-004 00033\n20260101-005 00045\n";

std::string Describe(const ToggleFigures& f) {
    return std::to_string(f.killed) + " " + f.Expected() + " " + std::to_string(f.current) + " " +
           std::to_string(f.longest_safe) + " " + std::to_string(f.longest_killed) + " " + f.last;
}

TEST(ConditionStats, FiguresOfOneKillSet) {
    KillSet five; // its size is given apart, for the expected figure
    five.set(5);
    const struct {
        const char* name;
        std::vector<int> latestFirst;
        const char* figures; // killed expected current longest_safe longest_killed last
    } rows[] = {
        {"kills every draw", {5, 5, 5}, "3 0.6 0 0 3 p1"},
        {"kills none", {1, 2, 3}, "0 0.6 3 3 0 -"},
        {"alternating, latest killed", {5, 1, 5, 1}, "2 0.8 0 1 1 p1"},
        {"alternating, latest safe", {1, 5, 1, 5, 1}, "2 1.0 1 1 1 p2"},
        {"only the oldest killed", {1, 1, 1, 5}, "1 0.8 3 3 1 p4"},
        {"no draws", {}, "0 0.0 0 0 0 -"},
    };
    for (const auto& row : rows) {
        std::vector<WinningDraw> draws;
        for (std::size_t i = 0; i < row.latestFirst.size(); ++i)
            draws.push_back({"p" + std::to_string(i + 1), row.latestFirst[i]});
        EXPECT_EQ(Describe(FiguresOf(five, 20, 100, draws)), row.figures) << row.name;
    }
}

TEST(ConditionStats, ExpectedRoundsHalfToEvenInIntegers) {
    const struct {
        long long draws, size, candidates;
        const char* expected;
    } rows[] = {
        {36, 1, 10, "3.6"},
        {1, 1, 4, "0.2"},
        {3, 1, 4, "0.8"},
        {7, 1, 2, "3.5"},
        {5000, 9999, 10000, "4999.5"},
        {5000, 1, 10000, "0.5"},
        {15, 1, 200, "0.1"},
        {25, 1, 1000, "0.0"},
        {35, 1, 1000, "0.0"},
        {45, 1, 1000, "0.0"},
        {55, 1, 1000, "0.1"},
        {0, 7, 100, "0.0"},
    };
    for (const auto& row : rows) {
        ToggleFigures f;
        f.expected_tenths = ExpectedTenths(row.draws, row.size, row.candidates);
        EXPECT_EQ(f.Expected(), row.expected) << row.draws << " " << row.size;
    }
}

std::string Figures(const ConditionStats& stats, const std::string& field,
                    const std::string& value) {
    for (std::size_t i = 0; i < stats.toggles.size(); ++i)
        if (stats.toggles[i]->toggle.field == field && stats.toggles[i]->toggle.value == value)
            return Describe(stats.figures[i]);
    return "not listed";
}

std::string ManyDraws(int count) {
    std::string text;
    for (int i = 1; i <= count; ++i)
        text += "20260101-" + std::to_string(1000 + i).substr(1) + " 000" + (i % 2 ? "11" : "12") +
                "\n";
    return text;
}

TEST(ConditionStats, DrawsLinesAndPositions) {
    const struct {
        const char* name;
        std::string draws;
        int line;
        int last;
        const char* positions;
        const char* field;
        const char* value;
        int count;
        const char* figures;
    } rows[] = {
        {"spans on the last digits", kFiveDraws, 1, 0, "", "kill_spans", "0", 5,
         "3 0.5 1 1 2 20260101-004"},
        {"--last 2", kFiveDraws, 1, 2, "", "kill_spans", "0", 2, "1 0.2 1 1 1 20260101-004"},
        {"--last 1, latest safe", kFiveDraws, 1, 1, "", "kill_spans", "0", 1, "0 0.1 1 1 0 -"},
        {"万千 are always 00", kFiveDraws, 1, 0, "万千", "kill_spans", "0", 5,
         "5 0.5 0 0 5 20260101-005"},
        {"sum 9 of 45 only", kFiveDraws, 1, 0, "", "kill_sums", "9", 5, "1 0.5 0 4 1 20260101-005"},
        {"line 1 reads 105", ManyDraws(105), 1, 0, "", "kill_spans", "0", 105,
         "53 10.5 0 1 1 20260101-105"},
        {"line 2 reads the latest 100", ManyDraws(105), 2, 0, "", "kill_spans", "0", 100,
         "50 10.0 0 1 1 20260101-105"},
        {"line 2 with --last", ManyDraws(105), 2, 3, "", "kill_spans", "0", 3,
         "2 0.3 0 1 1 20260101-105"},
    };
    for (const auto& row : rows) {
        SchemeBacktestOptions options;
        options.history_line = row.line;
        options.last = row.last;
        if (*row.positions)
            options.positions = history::PositionsFromText(row.positions);
        const ConditionStats stats =
            RunConditionStats(Mode::Two, Draws(row.draws, row.line), options);
        EXPECT_EQ(stats.draws, row.count) << row.name;
        EXPECT_EQ(Figures(stats, row.field, row.value), row.figures) << row.name;
    }
    SchemeBacktestOptions wrong;
    wrong.positions = history::PositionsFromText("百十个");
    EXPECT_THROW(RunConditionStats(Mode::Two, Draws(kFiveDraws), wrong), SchemeError);
}

TEST(ConditionStats, TextIsOneLinePerListedToggle) {
    const ConditionStats stats = RunConditionStats(Mode::Two, Draws(kFiveDraws));
    const std::string text = stats.Text();
    // Values in the order the panel lays them out: 0 first, though the
    // two-star span buttons are numbered from 9 down.
    EXPECT_EQ(text.rfind("draws 5\nkill_spans\t0\t3\t0.5\t1\t1\t2\t20260101-004\n", 0), 0u)
        << text.substr(0, 80);
    EXPECT_NE(text.find("\nkill_spans\t9\t0\t"), std::string::npos);
    EXPECT_EQ(std::count(text.begin(), text.end(), '\n'),
              static_cast<long>(ModeToggles(Mode::Two).size()) + 1);
}

TEST(ConditionStats, AddingButtonsToAScheme) {
    const struct {
        const char* name;
        const char* mode;
        const char* before; // conditions
        std::vector<Toggle> toggles;
        const char* after;
        int added;
    } rows[] = {
        {"sum replaces the hint",
         "four",
         R"({"kill_sums": "和值输入要保持2位数，例如：00 05 08 16"})",
         {{"kill_sums", "07", "", ""}},
         R"({"kill_sums":"07"})",
         1},
        {"sum added to typed ones",
         "four",
         R"({"kill_sums": "11 12"})",
         {{"kill_sums", "07", "", ""}, {"kill_sums", "12", "", ""}},
         R"({"kill_sums":"11 12 07"})",
         1},
        {"digits of a row",
         "four",
         R"({"position_kill": ["", "5", "", ""]})",
         {{"position_kill[1]", "3", "", ""}, {"position_kill[3]", "0", "", ""}},
         R"({"position_kill":["","35","","0"]})",
         2},
        {"members of an object",
         "three",
         "{}",
         {{"kill_shapes.odd_even", "奇奇奇", "", ""}, {"keep_counts.big", "2", "", ""}},
         R"({"keep_counts":{"big":"2"},"kill_shapes":{"odd_even":["奇奇奇"]}})",
         2},
        {"integers",
         "two",
         R"({"kill_sums": [3]})",
         {{"kill_sums", "18", "", ""}, {"kill_sums", "3", "", ""}},
         R"({"kill_sums":[3,18]})",
         1},
    };
    for (const auto& row : rows) {
        const Scheme scheme =
            ParseScheme(R"({"format": "sorvanta-scheme", "version": 1, "mode": ")" +
                        std::string(row.mode) + R"(", "conditions": )" + row.before + "}");
        int added = -1;
        const Scheme result = AddToggles(scheme, row.toggles, &added);
        EXPECT_EQ(nlohmann::json::parse(WriteScheme(result))["conditions"].dump(), row.after)
            << row.name;
        EXPECT_EQ(added, row.added) << row.name;
    }
    EXPECT_THROW(
        AddToggles(Scheme(two::TwoStarInput{}), std::vector<Toggle>{{"kill_sums", "19", "", ""}}),
        SchemeError);
}

// The shared re-check: every button of every mode, its one-button scheme run
// as "开始缩水" runs it; the listed ones are exactly those that kill some but
// not all, with exactly that kill set.
TEST(ConditionStats, EveryKillSetIsWhatTheShrinkOfItsSchemeKills) {
    const struct {
        Mode mode;
        std::size_t buttons;
    } modes[] = {{Mode::Two, 95}, {Mode::Three, 211}, {Mode::Four, 290}};
    for (const auto& m : modes) {
        const std::vector<Toggle> all = AllToggles(m.mode);
        EXPECT_EQ(all.size(), m.buttons) << Name(m.mode);
        const std::vector<ToggleKills>& listed = ModeToggles(m.mode);
        std::size_t next = 0;
        for (const Toggle& toggle : all) {
            const Scheme scheme = ToggleScheme(m.mode, toggle);
            const nlohmann::json conditions =
                nlohmann::json::parse(WriteScheme(scheme))["conditions"];
            EXPECT_EQ(conditions.size(), 1u) << toggle.field << " " << toggle.value;
            KillSet kills;
            for (int n = 0; n < Candidates(m.mode); ++n)
                kills.set(static_cast<std::size_t>(n));
            for (int n : RunScheme(scheme).numbers)
                kills.reset(static_cast<std::size_t>(n));
            const int size = static_cast<int>(kills.count());
            const bool shown = size != 0 && size != Candidates(m.mode);
            const bool isNext = next < listed.size() && listed[next].toggle.field == toggle.field &&
                                listed[next].toggle.value == toggle.value;
            ASSERT_EQ(isNext, shown) << Name(m.mode) << " " << toggle.field << " " << toggle.value;
            if (!shown)
                continue;
            EXPECT_EQ(listed[next].kills, kills) << toggle.field << " " << toggle.value;
            EXPECT_EQ(listed[next].size, size);
            ++next;
        }
        EXPECT_EQ(next, listed.size());
    }
}

} // namespace
