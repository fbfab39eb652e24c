// Every worked example in the help texts, run through the engine: a player
// who types the example must see what the text promises.

#include "common/help_blocks.hpp"
#include "common/number_sets.hpp"
#include "common/text.hpp"
#include "engine4/four_star_input.hpp"
#include "engine4/pipeline.hpp"
#include "engine4/set_operations.hpp"
#include "help_test_support.hpp"

#include "history/backtest.hpp"
#include "history/draw_text.hpp"
#include "history/extraction.hpp"
#include "history/omission.hpp"
#include "history/purse.hpp"
#include "history/trend_figures.hpp"
#include "scheme/condition_stats.hpp"
#include "scheme/run_scheme.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <ostream>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using sorvanta::help_testing::ShippedStore;
using sorvanta::help_testing::StatesNumber;

namespace {

DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

RangeText Range(const char* lower, const char* upper) {
    return RangeText{lower, upper};
}

struct FourStarExample {
    const char* name;
    const char* key;
    FourStarInput input;
    std::vector<std::string> survive; // numbers the text says are kept
    std::vector<std::string> fail;    // numbers the text says are excluded
    int count = -1;                   // survivor count the text states or implies
};

void PrintTo(const FourStarExample& e, std::ostream* os) {
    *os << e.name;
}

template <typename Set> FourStarInput With(Set set) {
    FourStarInput input;
    set(input);
    return input;
}

const std::vector<FourStarExample>& FourStarExamples() {
    static const std::vector<FourStarExample> examples = {
        {"KillDirect",
         "4x_杀直选",
         With([](auto& in) { in.kill_direct = "1234 5678,0012 12345"; }),
         {"2345"},
         {"1234", "5678", "0012"},
         9997},

        {"JunkCompoundCount",
         "4x_杀垃圾复试",
         With([](auto& in) { in.junk_compounds = "123*45*6*789"; }),
         {},
         {},
         10000 - 18},
        {"JunkCompoundsNone",
         "4x_杀垃圾复试",
         With([](auto& in) { in.junk_compounds = "123*45*6*789\n1*4*6*7"; }),
         {"1460"},
         {"1467", "3569"}},
        {"JunkCompoundsOne",
         "4x_杀垃圾复试",
         With([](auto& in) {
             in.junk_compounds = "123*45*6*789\n1*4*6*7";
             in.junk_compounds_tolerance = Range("0", "1");
         }),
         {"3569", "1460"},
         {"1467"}},

        {"KillTriplesNone",
         "4x_杀3码组合",
         With([](auto& in) { in.kill_triples = "123 124"; }),
         {"1255"},
         {"1238", "4210"}},
        {"KillTriplesOne",
         "4x_杀3码组合",
         With([](auto& in) {
             in.kill_triples = "123 124";
             in.kill_triples_tolerance = Range("0", "1");
         }),
         {"1238"},
         {"1234"}},
        {"KillTripleWithRepeat",
         "4x_杀3码组合",
         With([](auto& in) { in.kill_triples = "112"; }),
         {"1235"},
         {"1125"}},

        {"RequireTriples",
         "4x_必出3码组合",
         With([](auto& in) { in.require_triples = "789 012"; }),
         {"7809", "0125"},
         {"1234"}},

        {"KillPairNone",
         "4x_杀2码组合",
         With([](auto& in) { in.kill_pairs = "12"; }),
         {"1106"},
         {"1206", "2100", "9921"}},
        {"KillPairsExactlyOne",
         "4x_杀2码组合",
         With([](auto& in) {
             in.kill_pairs = "12 56";
             in.kill_pairs_tolerance = Range("1", "1");
         }),
         {"1206"},
         {"1256", "3478"}},

        {"RequirePairs",
         "4x_必出2码组合",
         With([](auto& in) { in.require_pairs = "89"; }),
         {"8925", "9080"},
         {"8800"}},

        {"KillPatterns",
         "4x_杀定位组合",
         With([](auto& in) { in.kill_patterns = "12** **89 1*6*"; }),
         {"2134"},
         {"1234", "6389", "1565"}},

        {"TwoStarSpliceAll",
         "4x_2拼4",
         With([](auto& in) {
             in.two_star_splice[0] = "56";
             in.two_star_splice[5] = "88";
         }),
         {"5688"},
         {},
         1},
        {"TwoStarSpliceAny",
         "4x_2拼4",
         With([](auto& in) {
             in.two_star_splice[0] = "56";
             in.two_star_splice[5] = "88";
             in.two_star_splice_tolerance = Range("0", "1");
         }),
         {"5601", "1288"},
         {"1234"},
         199},
        {"TwoStarSpliceDelete",
         "4x_2拼4",
         With([](auto& in) {
             in.two_star_splice[0] = "56";
             in.two_star_splice[5] = "88";
             in.two_star_splice_delete = true;
         }),
         {},
         {"5688"},
         9999},

        {"ThreeStarSpliceTail",
         "4x_3拼4",
         With([](auto& in) { in.three_star_splice[3] = "888"; }),
         {"0888", "1888", "9888"},
         {},
         10},
        {"ThreeStarSpliceAll",
         "4x_3拼4",
         With([](auto& in) {
             in.three_star_splice[0] = "123";
             in.three_star_splice[3] = "234";
         }),
         {"1234"},
         {},
         1},
        {"ThreeStarSpliceAny",
         "4x_3拼4",
         With([](auto& in) {
             in.three_star_splice[0] = "123";
             in.three_star_splice[3] = "234";
             in.three_star_splice_tolerance = Range("0", "1");
         }),
         {"1230", "5234"},
         {},
         19},

        {"PositionKillNone",
         "4x_定位杀",
         With([](auto& in) {
             in.position_kill[0] = Digits("0");
             in.position_kill[3] = Digits("9");
         }),
         {"1230"},
         {"0123", "1239"},
         8100},
        {"PositionKillOne",
         "4x_定位杀",
         With([](auto& in) {
             in.position_kill[0] = Digits("0");
             in.position_kill[3] = Digits("9");
             in.position_kill_tolerance = Range("0", "1");
         }),
         {},
         {"0129"},
         9900},
        {"PositionKillAsBankers",
         "4x_定位杀",
         With([](auto& in) {
             in.position_kill[0] = Digits("0");
             in.position_kill[3] = Digits("9");
             in.position_kill_tolerance = Range("1", "2");
         }),
         {},
         {"1230"},
         1900},

        {"SumSpanKillAll",
         "4x_杀和跨",
         With([](auto& in) {
             in.kill_sums = "05 16";
             in.kill_spans = Digits("9");
             in.kill_all_digits = Digits("7");
         }),
         {"1234"},
         {"1249", "0929", "1270"}},
        {"SumTail",
         "4x_杀和跨",
         With([](auto& in) { in.kill_sum_tails = Digits("0"); }),
         {},
         {"1234"}},
        {"OneDigitSumKillsNothing",
         "4x_杀和跨",
         With([](auto& in) { in.kill_sums = "5"; }),
         {},
         {},
         10000},
        {"AcFour",
         "4x_杀和跨",
         With([](auto& in) { in.kill_ac = Digits("4"); }),
         {"9814", "1111"},
         {"7552"}},
        {"AcSix",
         "4x_杀和跨",
         With([](auto& in) { in.kill_ac = Digits("6"); }),
         {"7552"},
         {"9814"}},
        {"AcOne",
         "4x_杀和跨",
         With([](auto& in) { in.kill_ac = Digits("1"); }),
         {"7552"},
         {"1111"}},

        {"BankerRowsNone",
         "4x_胆组",
         With([](auto& in) {
             in.banker_rows[0] = {Digits("38"), Digits("2")};
             in.banker_rows[1] = {Digits("5"), DigitSet()};
         }),
         {"3815"},
         {"3813", "3315"}},
        {"BankerRowsOneWrong",
         "4x_胆组",
         With([](auto& in) {
             in.banker_rows[0] = {Digits("38"), Digits("2")};
             in.banker_rows[1] = {Digits("5"), DigitSet()};
             in.banker_tolerance = Range("0", "1");
         }),
         // The banker picture's table shows these numbers too.
         {"3813", "3815", "3315"},
         {"1234"}},
        {"BankerRepeatsCounted",
         "4x_胆组",
         With([](auto& in) {
             in.banker_rows[0] = {Digits("3"), Digits("2")};
             in.banker_count_repeats = true;
         }),
         {"3013"},
         {"3313"}},

        {"RatioBigSmall",
         "4x_形态比",
         With([](auto& in) { in.ratio_big_small = {"1:3"}; }),
         {"5123"},
         {"5623"},
         2500},
        {"RatioOneKindWrong",
         "4x_形态比",
         With([](auto& in) {
             in.ratio_big_small = {"1:3"};
             in.ratio_odd_even = {"2:2"};
             in.ratio_tolerance = Range("1", "1");
         }),
         {"5123"},
         {"5124"}},

        {"Rising",
         "4x_杀特殊形态",
         With([](auto& in) { in.special_shapes = {"上山"}; }),
         {"1111", "1212"},
         {"1234", "1122", "1113", "0009"}},
        {"Falling",
         "4x_杀特殊形态",
         With([](auto& in) { in.special_shapes = {"下山"}; }),
         {},
         {"4321", "9000"}},
        {"Convex",
         "4x_杀特殊形态",
         With([](auto& in) { in.special_shapes = {"凸形"}; }),
         {},
         {"1230", "1120", "1200"}},
        {"Concave",
         "4x_杀特殊形态",
         With([](auto& in) { in.special_shapes = {"凹形"}; }),
         {},
         {"2105", "2215", "2155"}},
        {"NShape",
         "4x_杀特殊形态",
         With([](auto& in) { in.special_shapes = {"N形"}; }),
         {"2150"},
         {"1205", "4859"}},
        {"ReverseN",
         "4x_杀特殊形态",
         With([](auto& in) { in.special_shapes = {"反N形"}; }),
         {},
         {"2150", "8495"}},

        {"AllBig",
         "4x_杀大小奇偶",
         With([](auto& in) { in.pattern_big_small = {"大大大大"}; }),
         {"5674"},
         {"5678"},
         10000 - 625},
        {"PatternBigSmall",
         "4x_杀大小奇偶",
         With([](auto& in) { in.pattern_big_small = {"大大大小"}; }),
         {},
         {"5892"}},
        {"PatternOddEven",
         "4x_杀大小奇偶",
         With([](auto& in) { in.pattern_odd_even = {"奇偶奇偶"}; }),
         {},
         {"5892"}},
        {"PatternPrimeComposite",
         "4x_杀大小奇偶",
         With([](auto& in) { in.pattern_prime_composite = {"质合合质"}; }),
         {},
         {"5892"}},

        {"RouteAllZero",
         "4x_杀012路",
         With([](auto& in) { in.pattern_route012 = {"0000"}; }),
         {"3691"},
         {"3690"}},
        {"Route2202",
         "4x_杀012路",
         With([](auto& in) { in.pattern_route012 = {"2202"}; }),
         {},
         {"5892"}},
        {"Route0102",
         "4x_杀012路",
         With([](auto& in) { in.pattern_route012 = {"0102"}; }),
         {},
         {"9468"}},
        {"EveryRoute",
         "4x_杀012路",
         With([](auto& in) {
             for (int n = 0; n < 81; ++n)
                 in.pattern_route012.insert(std::string{char('0' + n / 27), char('0' + n / 9 % 3),
                                                        char('0' + n / 3 % 3), char('0' + n % 3)});
         }),
         {},
         {},
         0},

        {"PatternToleranceOne",
         "4x_杀形态容错",
         With([](auto& in) {
             in.pattern_big_small = {"大大大大"};
             in.pattern_odd_even = {"奇奇奇奇"};
             in.pattern_tolerance = Range("0", "1");
         }),
         {"5678", "1357"},
         {"5799"}},
        {"PatternToleranceNone",
         "4x_杀形态容错",
         With([](auto& in) {
             in.pattern_big_small = {"大大大大"};
             in.pattern_odd_even = {"奇奇奇奇"};
         }),
         {},
         {"5678", "1357", "5799"}},

        {"RunOfThreeAndTwoPairs",
         "4x_特别排除",
         With([](auto& in) {
             in.run_repeat = {"3连", "AABB"};
         }),
         {"1234", "1358"},
         {"0124", "1212"}},
        {"RunOfFour",
         "4x_特别排除",
         With([](auto& in) { in.run_repeat = {"4连"}; }),
         {},
         {"1234", "9012"}},
        {"RunOfThree",
         "4x_特别排除",
         With([](auto& in) { in.run_repeat = {"3连"}; }),
         {},
         {"0124", "9013"}},
        {"RunOfTwo", "4x_特别排除", With([](auto& in) { in.run_repeat = {"2连"}; }), {}, {"1246"}},
        {"NoRun",
         "4x_特别排除",
         With([](auto& in) { in.run_repeat = {"不连"}; }),
         {},
         {"1358", "0000"}},
        {"LongestRunOnly",
         "4x_特别排除",
         With([](auto& in) {
             in.run_repeat = {"3连", "2连"};
         }),
         {"1234"},
         {}},
        {"Repeats",
         "4x_特别排除",
         With([](auto& in) {
             in.run_repeat = {"AABC", "AABB", "AAAB", "AAAA"};
         }),
         {"1234"},
         {"1123", "1122", "1212", "1112", "5555"}},
        {"AllDifferent",
         "4x_特别排除",
         With([](auto& in) { in.run_repeat = {"ABCD"}; }),
         {},
         {"1234"}},

        {"SmallestAndLargest",
         "4x_最小最大",
         With([](auto& in) {
             in.smallest_digits = Digits("2");
             in.largest_digits = Digits("6");
         }),
         {"2246", "3256"},
         {"1246", "2247"}},
        {"OneDigitNumber",
         "4x_最小最大",
         With([](auto& in) {
             in.smallest_digits = Digits("7");
             in.largest_digits = Digits("7");
         }),
         {"7777"},
         {}},

        {"TotalNone",
         "4x_总容错",
         With([](auto& in) {
             in.position_kill[0] = Digits("1");
             in.kill_all_digits = Digits("7");
         }),
         {"2345"},
         {"1234", "1780"}},
        {"TotalUpToOne",
         "4x_总容错",
         With([](auto& in) {
             in.position_kill[0] = Digits("1");
             in.kill_all_digits = Digits("7");
             in.total_tolerance = Range("0", "1");
         }),
         {"1234"},
         {"1780"}},
        {"TotalExactlyOne",
         "4x_总容错",
         With([](auto& in) {
             in.position_kill[0] = Digits("1");
             in.kill_all_digits = Digits("7");
             in.total_tolerance = Range("1", "1");
         }),
         {"1234", "2785"},
         {"2345"}},
        {"TotalWithBaseSet",
         "4x_总容错",
         With([](auto& in) {
             in.position_kill[0] = Digits("1");
             in.kill_all_digits = Digits("7");
             in.base_set = "1234 2345 5678";
         }),
         {"2345"},
         {},
         1},

        {"TwoStarTip",
         "4x_2拼4 技巧提示",
         With([](auto& in) {
             in.two_star_splice[0] = "12 34";
             in.two_star_splice[5] = "56";
         }),
         {"1256", "3456"},
         {},
         2},
        {"ThreeStarTipTail",
         "4x_3拼4 技巧提示",
         With([](auto& in) { in.three_star_splice[3] = "123 456"; }),
         {"0123", "9123", "0456", "9456"},
         {},
         20},
        {"ThreeStarTipBoth",
         "4x_3拼4 技巧提示",
         With([](auto& in) {
             in.three_star_splice[0] = "012";
             in.three_star_splice[3] = "123 456";
         }),
         {"0123"},
         {},
         1},
    };
    return examples;
}

class FourStarHelpExample : public ::testing::TestWithParam<FourStarExample> {};

TEST_P(FourStarHelpExample, EngineAgreesWithTheText) {
    const FourStarExample& e = GetParam();
    auto state = std::make_unique<FourStarState>();
    RunShrinkPipeline(e.input, *state);
    const std::vector<int> rows = CollectRows(state->candidates, 0);
    const auto survives = [&](const std::string& number) {
        return std::binary_search(rows.begin(), rows.end(), std::stoi(number));
    };
    for (const std::string& number : e.survive)
        EXPECT_TRUE(survives(number)) << number << " should survive";
    for (const std::string& number : e.fail)
        EXPECT_FALSE(survives(number)) << number << " should be excluded";
    if (e.count >= 0) {
        EXPECT_EQ(static_cast<int>(rows.size()), e.count);
    }
}

TEST_P(FourStarHelpExample, TextStatesTheNumbers) {
    const FourStarExample& e = GetParam();
    const std::string topic = ShippedStore().Topic(e.key);
    ASSERT_NE(topic, kNoRecord) << e.key;
    for (const auto* list : {&e.survive, &e.fail})
        for (const std::string& number : *list)
            EXPECT_TRUE(StatesNumber(topic, number)) << e.key << " does not mention " << number;
}

INSTANTIATE_TEST_SUITE_P(Topics, FourStarHelpExample, ::testing::ValuesIn(FourStarExamples()),
                         [](const auto& info) { return std::string(info.param.name); });

// The intersection pages work on their own boxes, without the pipeline.
struct SetExample {
    const char* name;
    const char* key;
    int width;
    const char* a;
    const char* b;
    SetOperation operation;
    const char* result;
    int count;
};

void PrintTo(const SetExample& e, std::ostream* os) {
    *os << e.name;
}

class SetHelpExample : public ::testing::TestWithParam<SetExample> {};

TEST_P(SetHelpExample, ToolAgreesWithTheText) {
    const SetExample& e = GetParam();
    const CombinedSets combined = CombineMembers(e.a, e.b, e.operation, e.width);
    EXPECT_EQ(combined.result, e.result);
    EXPECT_EQ(combined.count, e.count);

    const std::string topic = ShippedStore().Topic(e.key);
    for (const char* text : {e.a, e.b, e.result})
        EXPECT_NE(topic.find(text), std::string::npos) << e.key << " does not mention " << text;
}

INSTANTIATE_TEST_SUITE_P(
    Topics, SetHelpExample,
    ::testing::Values(SetExample{"FourIntersection", "4x_交集", 4, "1234 5678 1234", "5678 9999",
                                 SetOperation::Intersection, "5678", 1},
                      SetExample{"FourUnion", "4x_交集", 4, "1234 5678 1234", "5678 9999",
                                 SetOperation::Union, "1234 5678 9999", 3},
                      SetExample{"FourAWithoutB", "4x_交集", 4, "1234 5678 1234", "5678 9999",
                                 SetOperation::AWithoutB, "1234", 1},
                      SetExample{"FourBWithoutA", "4x_交集", 4, "1234 5678 1234", "5678 9999",
                                 SetOperation::BWithoutA, "9999", 1},
                      SetExample{"ThreeIntersection", "3x_交集", 3, "123 456", "456 789",
                                 SetOperation::Intersection, "456", 1},
                      SetExample{"ThreeUnion", "3x_交集", 3, "123 456", "456 789",
                                 SetOperation::Union, "123 456 789", 3},
                      SetExample{"ThreeAWithoutB", "3x_交集", 3, "123 456", "456 789",
                                 SetOperation::AWithoutB, "123", 1},
                      SetExample{"ThreeBWithoutA", "3x_交集", 3, "123 456", "456 789",
                                 SetOperation::BWithoutA, "789", 1},
                      SetExample{"ExcludeMany", "3x_排除500", 3, "123 456", "456 789",
                                 SetOperation::AWithoutB, "123", 1}),
    [](const auto& info) { return std::string(info.param.name); });

// The two- and three-star rows: conditions as scheme fields of the row's
// mode, run through the scheme loader and that mode's engine.
struct PendingExample {
    const char* name;
    const char* key;
    const char* mode;
    const char* conditions;
    std::vector<std::string> survive;
    std::vector<std::string> fail;
    int count;
};

const PendingExample kTwoThreeStarExamples[] = {
#include "help_examples_23.inc"
};

struct PendingStripExample {
    const char* name;
    const char* key;
    const char* kind;
    const char* positions;
    const char* input;
    std::vector<std::string> draws;
    const char* expected;
};

const PendingStripExample kStripExamples[] = {
#include "help_examples_history.inc"
};

std::vector<std::string> Pieces(const std::string& text) {
    std::vector<std::string> pieces;
    ForEachPiece(text, [&](std::string_view piece) { pieces.emplace_back(piece); });
    return pieces;
}

TEST(HelpExamples, TwoAndThreeStarTextsStateTheirNumbers) {
    for (const PendingExample& e : kTwoThreeStarExamples) {
        const std::string topic = ShippedStore().Topic(e.key);
        ASSERT_NE(topic, kNoRecord) << e.name;
        const std::size_t width = std::string_view(e.mode) == "two" ? 2 : 3;
        for (const auto* list : {&e.survive, &e.fail})
            for (const std::string& number : *list) {
                EXPECT_EQ(number.size(), width) << e.name << " " << number;
                EXPECT_TRUE(StatesNumber(topic, number))
                    << e.name << " does not mention " << number;
            }
    }
}

// What each two- and three-star topic says of its example holds in the
// engine: the numbers it keeps survive, the ones it drops do not, and the
// count it gives is the count.
TEST(HelpExamples, TwoAndThreeStarExamplesHoldInTheEngine) {
    for (const PendingExample& e : kTwoThreeStarExamples) {
        const std::string scheme =
            std::string(R"({"format":"sorvanta-scheme","version":1,"mode":")") + e.mode +
            R"(","conditions":)" + e.conditions + "}";
        scheme::RunResult result;
        try {
            result = scheme::RunScheme(scheme::ParseScheme(scheme));
        } catch (const scheme::SchemeError& error) {
            ADD_FAILURE() << e.name << ": " << error.what();
            continue;
        }
        const std::vector<std::string> survivors = Pieces(result.Text());
        const auto survives = [&](const std::string& n) {
            return std::find(survivors.begin(), survivors.end(), n) != survivors.end();
        };
        for (const std::string& n : e.survive) {
            EXPECT_TRUE(survives(n)) << e.name << ": " << n << " should survive";
        }
        for (const std::string& n : e.fail) {
            EXPECT_FALSE(survives(n)) << e.name << ": " << n << " should be excluded";
        }
        if (e.count >= 0) {
            EXPECT_EQ(static_cast<int>(survivors.size()), e.count) << e.name;
        }
    }
}

// The strip topics' examples hold in the history engine.
TEST(HelpExamples, StripExamplesHoldInTheHistoryEngine) {
    for (const PendingStripExample& e : kStripExamples) {
        std::vector<history::Draw> draws;
        for (std::size_t i = 0; i < e.draws.size(); ++i)
            draws.push_back({"2026010" + std::to_string(e.draws.size() - i), e.draws[i]});
        history::HistoryState state;
        history::FillHistory(state, history::DataLine::One, draws);
        const auto positions = history::PositionsFromText(e.positions);
        ASSERT_TRUE(positions.has_value()) << e.name;
        const std::string_view kind = e.kind;
        if (kind == "backtest") {
            const history::BacktestResult result = history::RunBacktest(e.input, *positions, state);
            ASSERT_FALSE(result.hitString.empty()) << e.name;
            EXPECT_EQ(result.hitString[0] == '1' ? "中" : "**", std::string(e.expected)) << e.name;
        } else if (kind == "period") {
            EXPECT_EQ(history::CanonicalPeriod(history::ReadDrawLine(e.input).period), e.expected)
                << e.name;
        } else if (kind == "extract") {
            EXPECT_EQ(history::ExtractPastNumbers(*positions, e.input, state).numbers,
                      std::string(e.expected))
                << e.name;
        } else {
            int position = 0;
            while (!positions->Selected(position))
                ++position;
            const history::OmissionFigures figures = history::ComputeOmission(state);
            EXPECT_EQ(figures.current[static_cast<std::size_t>(position)]
                                     [static_cast<std::size_t>(std::stoi(e.input))],
                      std::stoi(e.expected))
                << e.name;
        }
    }
}

// The backtest money topic's example: the figures it states are the purse's.
TEST(HelpExamples, PurseExampleHoldsInTheEngine) {
    const std::string topic = ShippedStore().Topic("方案回测_资金");
    ASSERT_NE(topic, kNoRecord);
    // 挂、挂、中、挂 oldest first; 20 bets at 2 yuan, 100 yuan a hit, plan 1,2,4.
    const history::Purse purse =
        history::FollowPurse({false, false, true, false}, 20, {2 * 100, 100 * 100, {1, 2, 4}});
    std::vector<std::string> stated = {
        "投入" + history::FormatYuan(purse.cost),
        "回报" + history::FormatYuan(purse.paid),
        "盈亏" + history::FormatYuan(purse.Profit()),
        "回报率" + history::FormatReturnRate(purse) + "%",
        "最低余额" + history::FormatYuan(purse.lowest_balance),
        "最大回撤" + history::FormatYuan(purse.max_drawdown),
        "最高倍数" + std::to_string(purse.highest_multiplier) + "（该倍数一期投入" +
            history::FormatYuan(20 * 200 * purse.highest_multiplier) + "元）",
        "余额依次是"};
    for (std::size_t k = 0; k < purse.steps.size(); ++k)
        stated.back() +=
            (k ? "、" : "") +
            std::to_string(static_cast<long long>(purse.steps[k].balance / history::kFenPerYuan));
    for (const std::string& text : stated)
        EXPECT_NE(topic.find(text), std::string::npos) << "the topic does not say " << text;
}

TEST(HelpExamples, StripTextsStateTheirNumbers) {
    for (const PendingStripExample& e : kStripExamples) {
        const std::string topic = ShippedStore().Topic(e.key);
        ASSERT_NE(topic, kNoRecord) << e.name;
        std::vector<std::string> numbers = e.draws;
        if (std::string_view(e.kind) == "backtest")
            for (const std::string& piece : Pieces(e.input))
                numbers.push_back(piece);
        if (std::string_view(e.kind) == "extract")
            for (const std::string& piece : Pieces(e.expected))
                numbers.push_back(piece);
        if (std::string_view(e.kind) == "period") {
            EXPECT_NE(topic.find(e.expected), std::string::npos) << e.name;
        }
        for (const std::string& number : numbers)
            EXPECT_TRUE(StatesNumber(topic, number)) << e.name << " does not mention " << number;
    }
}

// The 条件统计 and 走势图 topics' examples: the figures they state are the
// engine's for the draws they name.
TEST(HelpExamples, StatsAndTrendExamplesHoldInTheEngine) {
    const std::string stats = ShippedStore().Topic("条件统计");
    history::HistoryState state;
    history::FillHistory(
        state, history::DataLine::One,
        std::vector<history::Draw>{
            {"5", "00045"}, {"4", "00033"}, {"3", "00012"}, {"2", "00022"}, {"1", "00011"}});
    const scheme::ConditionStats figures = scheme::RunConditionStats(Mode::Two, state.draws);
    bool found = false;
    for (std::size_t i = 0; i < figures.toggles.size(); ++i) {
        const scheme::Toggle& t = figures.toggles[i]->toggle;
        if (t.field != "kill_spans" || t.value != "0")
            continue;
        found = true;
        const scheme::ToggleFigures& f = figures.figures[i];
        for (const std::string& said :
             {"近5期杀错" + std::to_string(f.killed) + "期", "理论杀错" + f.Expected() + "期",
              "当前连对" + std::to_string(f.current) + "期",
              "最大连对" + std::to_string(f.longest_safe) + "期",
              "最大连错" + std::to_string(f.longest_killed) + "期"})
            EXPECT_NE(stats.find(said), std::string::npos) << "条件统计 does not say " << said;
    }
    EXPECT_TRUE(found);

    const std::string trend = ShippedStore().Topic("走势图");
    history::FillHistory(
        state, history::DataLine::One,
        std::vector<history::Draw>{{"4", "12345"}, {"3", "52301"}, {"2", "12300"}, {"1", "12345"}});
    const history::TrendChart chart =
        history::ComputeTrend(state, history::SelectionOf(history::LastPositions(4)));
    ASSERT_EQ(chart.rows.size(), 4u);
    const history::TrendSummary& s = chart.summary;
    for (const std::string& said :
         {"最下面一行万位5的格子是" + std::to_string(chart.rows.back().omission[0][5]),
          "出现次数" + std::to_string(s.appearances[0][5]),
          "记为" + std::to_string(s.average_omission[0][5]),
          "最大遗漏" + std::to_string(s.longest_omission[0][5]),
          "最大连出" + std::to_string(s.longest_run[0][1])})
        EXPECT_NE(trend.find(said), std::string::npos) << "走势图 does not say " << said;
}

} // namespace
