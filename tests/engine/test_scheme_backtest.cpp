// The scheme backtest (方案回测): one run of a scheme, each draw's winning
// number looked up among the survivors, the groups that marked it read from
// the fail columns. Hand-made draws whose answers can be seen at a glance,
// and one shared re-check against separate runs of each group on its own.
#include "scheme/scheme_backtest.hpp"

#include "engine4/four_star_groups.hpp"
#include "engine4/pipeline.hpp"
#include "history/draw_text.hpp"
#include "scheme/run_scheme.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <random>
#include <set>
#include <string>
#include <utility>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::scheme;

namespace {

// One report line and the conditions behind it: `conditions` is the part
// the whole scheme gets, `alone` (when given) the scheme the re-check runs
// for it instead. `survivorsMarked`: the line counts the survivors of that
// run (must-keep), not the numbers it took out.
struct Part {
    Part(std::string name, std::string conditions, std::string alone = {},
         bool survivorsMarked = false)
        : name(std::move(name)), conditions(std::move(conditions)), alone(std::move(alone)),
          survivorsMarked(survivorsMarked) {}
    std::string name;
    std::string conditions;
    std::string alone;
    bool survivorsMarked;
};

std::string SchemeText(const std::string& mode, const std::string& conditions) {
    return R"({"format": "sorvanta-scheme", "version": 1, "mode": ")" + mode +
           R"(", "conditions": {)" + conditions + "}}";
}

std::string Joined(const std::vector<Part>& parts, const std::string& extra) {
    std::string conditions;
    for (const Part& part : parts)
        conditions += (conditions.empty() ? "" : ", ") + part.conditions;
    if (!extra.empty())
        conditions += (conditions.empty() ? "" : ", ") + extra;
    return conditions;
}

// The draw text read as a draw file is, into the table as the history
// source fills it.
history::DrawHistory Draws(const std::string& text, int line = 1) {
    const history::DrawTextRead read = history::ReadDrawText(text);
    EXPECT_TRUE(read.ok) << read.error;
    history::HistoryState state;
    history::FillHistory(state, *history::DataLineFromNumber(line), read.draws);
    return state.draws;
}

std::set<int> Survivors(const Scheme& scheme) {
    const RunResult run = RunScheme(scheme);
    return {run.numbers.begin(), run.numbers.end()};
}

// The one shared re-check. A backtest reads marks from the fail columns of
// one run; here every report line is checked against a run of its part on
// its own (total tolerance 0 to 0, so a number survives exactly when the
// part does not mark it), and every hit against the whole scheme's list as
// `shrink` prints it. Counts, runs and the names of a miss follow.
void ExpectAgreesWithSeparateRuns(const Scheme& scheme, const std::vector<Part>& parts,
                                  const SchemeBacktest& result) {
    const std::set<int> survivors = Survivors(scheme);
    EXPECT_EQ(result.bets, static_cast<int>(survivors.size()));
    EXPECT_EQ(result.candidates, Candidates(scheme.mode));
    ASSERT_EQ(result.groups.size(), parts.size());
    std::vector<std::set<int>> alone;
    for (std::size_t k = 0; k < parts.size(); ++k) {
        EXPECT_EQ(result.groups[k].name, parts[k].name) << k;
        const std::string& conditions =
            parts[k].alone.empty() ? parts[k].conditions : parts[k].alone;
        alone.push_back(
            Survivors(ParseScheme(SchemeText(std::string(Name(scheme.mode)), conditions))));
    }
    std::vector<int> marked(parts.size(), 0);
    int hits = 0, longestHits = 0, longestMisses = 0, hitRun = 0, missRun = 0;
    for (const DrawOutcome& outcome : result.outcomes) {
        ASSERT_EQ(outcome.number.size(), static_cast<std::size_t>(Width(scheme.mode)));
        const int value = std::stoi(outcome.number);
        EXPECT_EQ(outcome.hit, survivors.contains(value)) << outcome.period;
        std::vector<std::string> names;
        for (std::size_t k = 0; k < parts.size(); ++k) {
            if (alone[k].contains(value) != parts[k].survivorsMarked)
                continue;
            ++marked[k];
            names.push_back(parts[k].name);
        }
        EXPECT_EQ(outcome.groups, outcome.hit ? std::vector<std::string>{} : names)
            << outcome.period;
        hits += outcome.hit ? 1 : 0;
        hitRun = outcome.hit ? hitRun + 1 : 0;
        missRun = outcome.hit ? 0 : missRun + 1;
        longestHits = std::max(longestHits, hitRun);
        longestMisses = std::max(longestMisses, missRun);
    }
    for (std::size_t k = 0; k < parts.size(); ++k)
        EXPECT_EQ(result.groups[k].marked, marked[k]) << parts[k].name;
    EXPECT_EQ(result.draws, static_cast<int>(result.outcomes.size()));
    EXPECT_EQ(result.hits, hits);
    EXPECT_EQ(result.longest_hits, longestHits);
    EXPECT_EQ(result.longest_misses, longestMisses);
}

struct Case {
    const char* name;
    std::string mode;
    std::vector<Part> parts;
    std::string extra; // conditions beside the parts (the total tolerance)
    std::string draws;
    const char* positions; // nullptr: the mode's default
    std::string expected;  // Text(true)
};

std::vector<Case> Cases() {
    return {
        {"TwoStarGroupsInPipelineOrder",
         "two",
         {{"杀跨度", R"("kill_spans": "0")"}, {"杀和值", R"("kill_sums": [9])"}},
         "",
         "20260101-001 55590\n20260101-002 98713\n20260101-003 12312\n"
         "20260101-004 00011\n20260101-005 12345\n",
         nullptr,
         "bets 80\n"
         "draws 5 hits 2\n"
         "longest hits 2 longest misses 2\n"
         "杀跨度\t1\n"
         "杀和值\t2\n"
         "20260101-005 12345 45 miss\t杀和值\n"
         "20260101-004 00011 11 miss\t杀跨度\n"
         "20260101-003 12312 12 hit\n"
         "20260101-002 98713 13 hit\n"
         "20260101-001 55590 90 miss\t杀和值\n"},
        // 11 fails the span kill but the tolerance lets it through: a hit
        // that still counts on the group's line.
        {"TwoStarBaseSetAndKillList",
         "two",
         {{"杀跨度", R"("kill_spans": "0")"},
          {"大底", R"("base_set": "12 13 14 45 11")"},
          {"杀直选号码", R"("kill_list": "13")"}},
         R"("total_tolerance": ["0", "1"])",
         "20260101-005 00012\n20260101-004 00013\n20260101-003 00045\n"
         "20260101-002 00099\n20260101-001 00011\n",
         nullptr,
         "bets 4\n"
         "draws 5 hits 3\n"
         "longest hits 1 longest misses 1\n"
         "杀跨度\t2\n"
         "大底\t1\n"
         "杀直选号码\t1\n"
         "20260101-005 00012 12 hit\n"
         "20260101-004 00013 13 miss\t杀直选号码\n"
         "20260101-003 00045 45 hit\n"
         "20260101-002 00099 99 miss\t杀跨度、大底\n"
         "20260101-001 00011 11 hit\n"},
        // With 1 to 1 only the span-0 numbers survive: 12 is out though no
        // group marked it, so its miss names nothing and has no tab.
        {"TwoStarMissThatNoGroupMarked",
         "two",
         {{"杀跨度", R"("kill_spans": "0")"}},
         R"("total_tolerance": ["1", "1"])",
         "20260101-002 00011\n20260101-001 00012\n",
         nullptr,
         "bets 10\n"
         "draws 2 hits 1\n"
         "longest hits 1 longest misses 1\n"
         "杀跨度\t1\n"
         "20260101-002 00011 11 hit\n"
         "20260101-001 00012 12 miss\n"},
        {"TwoStarOtherPositions",
         "two",
         {{"杀和值", R"("kill_sums": [9])"}},
         "",
         "20260101-003 45000\n20260101-002 12999\n20260101-001 90123\n",
         "万千",
         "bets 90\n"
         "draws 3 hits 1\n"
         "longest hits 1 longest misses 1\n"
         "杀和值\t2\n"
         "20260101-003 45000 45 miss\t杀和值\n"
         "20260101-002 12999 12 hit\n"
         "20260101-001 90123 90 miss\t杀和值\n"},
        {"ThreeStarGroupsInPipelineOrder",
         "three",
         {{"杀跨度", R"("kill_spans": "0")"}, {"定位杀", R"("position_kill": ["1", "", ""])"}},
         "",
         "20260101-006 10111\n20260101-005 12345\n20260101-004 00123\n"
         "20260101-003 99222\n20260101-002 55678\n20260101-001 55679\n",
         nullptr,
         "bets 891\n"
         "draws 6 hits 3\n"
         "longest hits 2 longest misses 2\n"
         "杀跨度\t2\n"
         "定位杀\t2\n"
         "20260101-006 10111 111 miss\t杀跨度、定位杀\n"
         "20260101-005 12345 345 hit\n"
         "20260101-004 00123 123 miss\t定位杀\n"
         "20260101-003 99222 222 miss\t杀跨度\n"
         "20260101-002 55678 678 hit\n"
         "20260101-001 55679 679 hit\n"},
        // 999 fails the span kill and lies outside the base set, yet the
        // must-keep list brings it back: a hit on all three lines.
        {"ThreeStarBaseSetAndMustKeep",
         "three",
         {{"杀跨度", R"("kill_spans": "0")"},
          {"大底", R"("base_set": "345 678 111 123 000")"},
          {"必有直选号", R"("must_keep": "123 999")",
           R"("must_keep": "123 999", "kill_spans": "0123456789")", true}},
         "",
         "20260101-006 00111\n20260101-005 00345\n20260101-004 00123\n"
         "20260101-003 00222\n20260101-002 00678\n20260101-001 00999\n",
         nullptr,
         "bets 4\n"
         "draws 6 hits 4\n"
         "longest hits 2 longest misses 1\n"
         "杀跨度\t3\n"
         "大底\t2\n"
         "必有直选号\t2\n"
         "20260101-006 00111 111 miss\t杀跨度\n"
         "20260101-005 00345 345 hit\n"
         "20260101-004 00123 123 hit\n"
         "20260101-003 00222 222 miss\t杀跨度、大底\n"
         "20260101-002 00678 678 hit\n"
         "20260101-001 00999 999 hit\n"},
        {"ThreeStarOtherPositions",
         "three",
         {{"杀跨度", R"("kill_spans": "0")"}},
         "",
         "20260101-002 10203\n20260101-001 50555\n",
         "万百个",
         "bets 990\n"
         "draws 2 hits 1\n"
         "longest hits 1 longest misses 1\n"
         "杀跨度\t1\n"
         "20260101-002 10203 123 hit\n"
         "20260101-001 50555 555 miss\t杀跨度\n"},
        // The seven top conditions share one column: one line, named by
        // those in use.
        {"FourStarTopConditionsShareOneLine",
         "four",
         {{"杀直选号码+杀两码组合", R"("kill_direct": "1234", "kill_pairs": "99")"},
          {"定位杀", R"("position_kill": ["9", "", "", ""])"}},
         "",
         "20260101-004 01234\n20260101-003 09999\n20260101-002 05678\n20260101-001 09123\n",
         nullptr,
         "bets 8747\n"
         "draws 4 hits 1\n"
         "longest hits 1 longest misses 2\n"
         "杀直选号码+杀两码组合\t2\n"
         "定位杀\t2\n"
         "20260101-004 01234 1234 miss\t杀直选号码+杀两码组合\n"
         "20260101-003 09999 9999 miss\t杀直选号码+杀两码组合、定位杀\n"
         "20260101-002 05678 5678 hit\n"
         "20260101-001 09123 9123 miss\t定位杀\n"},
        {"FourStarBaseSet",
         "four",
         {{"和,跨,胆", R"("kill_spans": "0")"},
          {"大底", R"("base_set": "1234 2345 0000 1111 5678")"}},
         "",
         "20260101-005 01234\n20260101-004 90000\n20260101-003 52222\n"
         "20260101-002 99876\n20260101-001 02345\n",
         nullptr,
         "bets 3\n"
         "draws 5 hits 2\n"
         "longest hits 1 longest misses 3\n"
         "和,跨,胆\t2\n"
         "大底\t2\n"
         "20260101-005 01234 1234 hit\n"
         "20260101-004 90000 0000 miss\t和,跨,胆\n"
         "20260101-003 52222 2222 miss\t和,跨,胆、大底\n"
         "20260101-002 99876 9876 miss\t大底\n"
         "20260101-001 02345 2345 hit\n"},
        {"FourStarOtherPositions",
         "four",
         {{"杀直选号码", R"("kill_direct": "1234")"}},
         "",
         "20260101-002 12340\n20260101-001 43210\n",
         "万千百十",
         "bets 9999\n"
         "draws 2 hits 1\n"
         "longest hits 1 longest misses 1\n"
         "杀直选号码\t1\n"
         "20260101-002 12340 1234 miss\t杀直选号码\n"
         "20260101-001 43210 4321 hit\n"},
        {"FourStarNoCondition",
         "four",
         {},
         "",
         "20260101-002 12340\n20260101-001 43210\n",
         nullptr,
         "bets 10000\n"
         "draws 2 hits 2\n"
         "longest hits 2 longest misses 0\n"
         "20260101-002 12340 2340 hit\n"
         "20260101-001 43210 3210 hit\n"},
        // No draw at all: every figure 0, the groups still listed.
        {"NoDraws",
         "four",
         {{"杀直选号码", R"("kill_direct": "1234")"}},
         "",
         "",
         nullptr,
         "bets 9999\n"
         "draws 0 hits 0\n"
         "longest hits 0 longest misses 0\n"
         "杀直选号码\t0\n"},
    };
}

TEST(SchemeBacktest, HandMadeDraws) {
    for (const Case& c : Cases()) {
        SCOPED_TRACE(c.name);
        const Scheme scheme = ParseScheme(SchemeText(c.mode, Joined(c.parts, c.extra)));
        SchemeBacktestOptions options;
        if (c.positions)
            options.positions = history::PositionsFromText(c.positions);
        const SchemeBacktest result = RunSchemeBacktest(scheme, Draws(c.draws), options);
        EXPECT_EQ(result.Text(true), c.expected);
        // Without details: the figures and the group lines only.
        const std::size_t summaryLines = 3 + c.parts.size();
        std::size_t end = 0;
        for (std::size_t line = 0; line < summaryLines; ++line)
            end = c.expected.find('\n', end) + 1;
        EXPECT_EQ(result.Text(false), c.expected.substr(0, end));
        ExpectAgreesWithSeparateRuns(scheme, c.parts, result);
    }
}

// The same re-check over a few hundred made-up draws, each mode with a
// scheme of many groups and its list steps, as a player sets one up.
TEST(SchemeBacktest, TypicalSchemesAgreeWithSeparateRuns) {
    struct Typical {
        std::string mode;
        std::vector<Part> parts;
        std::string extra;
    };
    const Typical typical[] = {
        {"two",
         {{"胆组", R"("banker_rows": [{"digits": "05", "counts": ""}])"},
          {"杀跨度", R"("kill_spans": "09")"},
          {"杀和值", R"("kill_sums": [9, 10, 11])"},
          {"定位杀", R"("position_kill": ["3", "7"])"},
          {"杀形态", R"("shapes": {"big_small": ["大大"], "odd_even": ["单单"]})"},
          {"特殊形态", R"("special_shapes": ["杀对子"])"},
          {"大底",
           R"("base_set": "00 01 02 03 04 05 06 07 08 09 10 12 15 25 35 45 50 55 65 75 85 95")"},
          {"杀直选号码", R"("kill_list": "05 50")"}},
         R"("total_tolerance": ["0", "2"])"},
        {"three",
         {{"杀组选号码", R"("kill_group": "123 456")"},
          {"杀2码组合", R"("kill_pairs": "12 89")"},
          {"位置匹配", R"("position_match": ["百大于个"])"},
          {"杀和尾", R"("kill_sum_tails": "05")"},
          {"胆  码", R"("bankers": "27")"},
          {"杀指定和值", R"("kill_sums": [0, 1, 26, 27])"},
          {"定位杀", R"("position_kill": ["0", "", "9"])"},
          {"特别排除", R"("special_exclusions": ["豹子", "3连"])"},
          {"大底", R"("base_set": "1 2 3 4 5 6 7 8 9 0 102 210 300 407 555 789 999 )"
                   R"(012 120 201 021 102 357 753 468 864 146 641 258 852 369 963")"},
          {"必有直选号", R"("must_keep": "555 999 123")",
           R"("must_keep": "555 999 123", "kill_spans": "0123456789")", true}},
         R"("total_tolerance": ["0", "3"])"},
        {"four",
         {{"杀直选号码+杀两码组合+必出3码组合",
           R"("kill_direct": "1234 5678", "kill_pairs": "12 34", "kill_pairs_tolerance": ["0", "1"],
              "require_triples": "123 456 789 012 345 678 901")"},
          {"定位杀", R"("position_kill": ["0", "1", "", "9"])"},
          {"和,跨,胆", R"("kill_spans": "01", "kill_sums": "00 01 35 36", "kill_ac": "1")"},
          {"胆组", R"("banker_rows": [{"digits": "58", "counts": ""}])"},
          {"形态比", R"("ratio_big_small": ["0:4", "4:0"])"},
          {"杀特殊形态", R"("special_shapes": ["上山", "下山"])"},
          {"杀形态",
           R"("pattern_odd_even": ["奇奇奇奇", "偶偶偶偶"], "pattern_route012": ["0000"])"},
          {"杀连号重号", R"("run_repeat": ["AAAA", "4连"])"},
          {"最小号/最大号", R"("smallest_digits": "01234")"},
          {"二星拼接四星", R"("two_star_splice": ["12 34 56 78 90", "", "", "", "", ""],
                                "two_star_splice_mode": "delete")"},
          {"三星拼接四星", R"("three_star_splice": ["", "", "", "000 111 222"],
                                "three_star_splice_mode": "delete")"}},
         R"("total_tolerance": ["0", "2"])"},
    };
    std::mt19937 random(20261208);
    std::string draws;
    for (int i = 1; i <= 400; ++i) {
        draws += "20260101-" + std::to_string(i) + " ";
        for (int d = 0; d < 5; ++d)
            draws += static_cast<char>('0' + random() % 10);
        draws += "\n";
    }
    const history::DrawHistory history = Draws(draws);
    for (const Typical& t : typical) {
        SCOPED_TRACE(t.mode);
        const Scheme scheme = ParseScheme(SchemeText(t.mode, Joined(t.parts, t.extra)));
        const SchemeBacktest result = RunSchemeBacktest(scheme, history);
        EXPECT_EQ(result.draws, 400);
        EXPECT_GT(result.hits, 0);
        EXPECT_LT(result.hits, 400);
        for (const GroupMarks& group : result.groups)
            EXPECT_GT(group.marked, 0) << group.name;
        ExpectAgreesWithSeparateRuns(scheme, t.parts, result);
    }
}

// A table filled row by row, as the window's is: row i the i-th latest.
history::DrawHistory Rows(int count) {
    history::DrawHistory draws;
    for (int row = 1; row <= count; ++row)
        draws.Set(row, "20260101-" + std::to_string(1000 - row), row % 2 ? "00011" : "00012");
    return draws;
}

Scheme KillSpanZero() {
    return ParseScheme(SchemeText("two", R"("kill_spans": "0")"));
}

TEST(SchemeBacktest, LineTwoReadsAtMostOneHundredDraws) {
    const history::DrawHistory draws = Rows(120);
    SchemeBacktestOptions options;
    options.history_line = 2;
    SchemeBacktest result = RunSchemeBacktest(KillSpanZero(), draws, options);
    EXPECT_EQ(result.draws, 100);
    EXPECT_EQ(result.hits, 50);
    EXPECT_EQ(result.groups[0].marked, 50);
    EXPECT_EQ(result.outcomes.back().period, "20260101-900");
    options.history_line = 1;
    result = RunSchemeBacktest(KillSpanZero(), draws, options);
    EXPECT_EQ(result.draws, 120);
}

TEST(SchemeBacktest, LineOneReadsAtMostFiveThousandDraws) {
    history::DrawHistory draws;
    for (int row = 1; row <= 5100; ++row)
        draws.Set(row, "2026" + std::to_string(100000 + row), "12345");
    EXPECT_EQ(RunSchemeBacktest(KillSpanZero(), draws).draws, 5000);
}

TEST(SchemeBacktest, LastKeepsTheLatestDraws) {
    const history::DrawHistory draws = Rows(20);
    SchemeBacktestOptions options;
    options.last = 7;
    const SchemeBacktest result = RunSchemeBacktest(KillSpanZero(), draws, options);
    ASSERT_EQ(result.draws, 7);
    EXPECT_EQ(result.outcomes.front().period, "20260101-999");
    EXPECT_EQ(result.outcomes.back().period, "20260101-993");
    // Rows 1, 3, 5, 7 hold 11 (killed), rows 2, 4, 6 hold 12.
    EXPECT_EQ(result.hits, 3);
    EXPECT_EQ(result.longest_misses, 1);
    options.last = 1;
    EXPECT_EQ(RunSchemeBacktest(KillSpanZero(), draws, options).draws, 1);
    options.last = 500; // more than there are
    EXPECT_EQ(RunSchemeBacktest(KillSpanZero(), draws, options).draws, 20);
}

TEST(SchemeBacktest, RowsWithoutADrawDoNotCount) {
    history::DrawHistory draws;
    draws.Set(1, "20260101-005", "00011");
    draws.Set(2, "20260101-004", "00012");
    draws.Set(4, "20260101-002", "00013"); // row 3 holds no draw
    draws.Set(5, "20260101-001", "1234");  // too short for 十个, long enough for 万千
    SchemeBacktestOptions options;
    SchemeBacktest result = RunSchemeBacktest(KillSpanZero(), draws, options);
    EXPECT_EQ(result.draws, 3);
    EXPECT_EQ(result.outcomes.back().period, "20260101-002");
    options.positions = history::PositionsFromText("万千");
    result = RunSchemeBacktest(KillSpanZero(), draws, options);
    EXPECT_EQ(result.draws, 4);
    EXPECT_EQ(result.outcomes.back().number, "12");
    // --last counts draws, not rows.
    options.last = 3;
    EXPECT_EQ(RunSchemeBacktest(KillSpanZero(), draws, options).outcomes.back().period,
              "20260101-002");
}

TEST(SchemeBacktest, PositionsMustCountTheModesDigits) {
    struct Wrong {
        const char* mode;
        const char* positions;
    };
    for (const Wrong w : {Wrong{"two", "百十个"}, Wrong{"three", "十个"},
                          Wrong{"four", "万千百十个"}, Wrong{"four", "个"}}) {
        SCOPED_TRACE(std::string(w.mode) + " " + w.positions);
        const Scheme scheme = ParseScheme(SchemeText(w.mode, ""));
        SchemeBacktestOptions options;
        options.positions = history::PositionsFromText(w.positions);
        try {
            RunSchemeBacktest(scheme, history::DrawHistory{}, options);
            ADD_FAILURE() << "no error";
        } catch (const SchemeError& e) {
            const std::string message = e.what();
            EXPECT_EQ(message.find('\n'), std::string::npos);
            EXPECT_NE(message.find(w.positions), std::string::npos) << message;
        }
    }
}

TEST(SchemeBacktest, DefaultPositionsAreTheModesLastOnes) {
    EXPECT_EQ(DefaultPositions(Mode::Two).KeyOf("12345"), "45");
    EXPECT_EQ(DefaultPositions(Mode::Three).KeyOf("12345"), "345");
    EXPECT_EQ(DefaultPositions(Mode::Four).KeyOf("12345"), "2345");
}

// The four-star group table: a group is in use exactly when its own rule
// says so, and only a group in use ever marks.
TEST(FourStarGroupTable, InUseFollowsEachGroupsOwnRule) {
    using four::FourStarGroupId;
    struct InUse {
        const char* name;
        const char* conditions;
        int group; // index into kFourStarGroups, or -1 for none
    };
    const InUse cases[] = {
        {"NothingChosen", "", -1},
        {"KillDirect", R"("kill_direct": "0000")", 0},
        {"KillDirectWrongLength", R"("kill_direct": "123 12345")", -1},
        {"JunkCompounds", R"("junk_compounds": "1*2*3*4")", 0},
        {"JunkCompoundsTooFewParts", R"("junk_compounds": "1*2*3")", -1},
        {"KillPairsWrongLength", R"("kill_pairs": "123")", -1},
        {"RequirePairsWrongLengthMarksEveryone", R"("require_pairs": "123")", 0},
        {"KillTriples", R"("kill_triples": "123")", 0},
        {"KillPatternsWrongLength", R"("kill_patterns": "12*")", -1},
        {"KillPatterns", R"("kill_patterns": "12**")", 0},
        {"PositionKill", R"("position_kill": ["", "", "", "5"])", 1},
        {"PositionKillAllowsAll", R"("position_kill": ["5", "", "", ""],
                                     "position_kill_tolerance": ["0", "4"])",
         1},
        {"KillSums", R"("kill_sums": "05")", 2},
        {"KillSumsHint", R"("kill_sums": "和值输入要保持2位数，例如：00 05 08 16")", -1},
        {"KillAc", R"("kill_ac": "6")", 2},
        {"Bankers",
         R"("banker_rows": [{"digits": "", "counts": "1"}, {"digits": "7", "counts": ""}])", 3},
        {"BankerCountsOnly", R"("banker_rows": [{"digits": "", "counts": "1"}])", -1},
        {"Ratios", R"("ratio_odd_even": ["2:2"])", 4},
        {"SpecialShapes", R"("special_shapes": ["N形"])", 5},
        {"Patterns", R"("pattern_route012": ["2202"])", 6},
        {"RunRepeat", R"("run_repeat": ["ABCD"])", 7},
        {"Largest", R"("largest_digits": "9")", 8},
        {"TwoStarSplice", R"("two_star_splice": ["", "", "", "", "", "12"])", 9},
        {"TwoStarSpliceNoPair", R"("two_star_splice": ["", "", "", "", "", "1"])", -1},
        {"ThreeStarSplice", R"("three_star_splice": ["123", "", "", ""])", 10},
    };
    for (const InUse& c : cases) {
        SCOPED_TRACE(c.name);
        const four::FourStarInput input = ParseScheme(SchemeText("four", c.conditions)).four();
        auto state = std::make_unique<four::FourStarState>();
        four::RunShrinkPipeline(input, *state);
        for (std::size_t k = 0; k < four::kFourStarGroups.size(); ++k) {
            const four::FourStarGroup& group = four::kFourStarGroups[k];
            const bool inUse = group.in_use(input);
            EXPECT_EQ(inUse, static_cast<int>(k) == c.group) << group.column;
            bool marks = false;
            for (int n = 0; n < four::CandidateSet::kCandidates && !marks; ++n)
                marks = state->candidates.at(n, group.column) != 0;
            EXPECT_TRUE(inUse || !marks) << group.column;
        }
    }
}

TEST(FourStarGroupTable, ColumnsRunInPipelineOrderWithTheirCaptions) {
    int previous = 0;
    for (const four::FourStarGroup& group : four::kFourStarGroups) {
        EXPECT_GT(group.column, previous);
        previous = group.column;
        const four::FourStarInput none;
        if (group.id != four::FourStarGroupId::TopConditions) {
            EXPECT_FALSE(group.name.empty());
            EXPECT_EQ(four::GroupName(group.id, none), group.name);
            // Names are joined by 、 and end at a tab in the report.
            EXPECT_EQ(group.name.find("、"), std::string_view::npos);
            EXPECT_EQ(group.name.find('\t'), std::string_view::npos);
        }
    }
    four::FourStarInput top;
    top.kill_triples = "123";
    top.kill_patterns = "1***";
    top.junk_compounds = "1*2*3*4";
    EXPECT_EQ(four::GroupName(four::FourStarGroupId::TopConditions, top),
              "杀垃圾复式+杀3码组合+杀定位组合");
}

} // namespace
