// The three-star commands: invert, convert to group, clear, banker
// suggestion, the intersection tool and the position-match rule list.

#include "three_star_test_support.hpp"

#include "engine23/three_star_captions.hpp"
#include "engine23/three_star_commands.hpp"

#include <gtest/gtest.h>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

// What the result box shows of an outcome, and its count.
std::string Text(const ThreeStarOutcome& outcome) {
    return ThreeDigitTexts(outcome.numbers);
}
int Count(const ThreeStarOutcome& outcome) {
    return static_cast<int>(outcome.numbers.size());
}

TEST(ThreeStarShrinkCommand, ShowsTheSurvivors) {
    ThreeStarInput input;
    input.base_set = "321 007";
    ThreeStarState state;
    RunThreeStarShrink(input, state);
    EXPECT_EQ(ThreeDigitTexts(state.survivors), "007 321");
    EXPECT_EQ(state.survivors.size(), 2u);
}

TEST(ThreeStarInvert, RefusedWithNothingExcluded) {
    ThreeStarState state;
    const ThreeStarOutcome outcome = InvertThreeStar(ThreeStarInput{}, state);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->title, "温馨提示");
    EXPECT_EQ(outcome.message->text, "请先缩水后再反选");
    EXPECT_FALSE(outcome.copied);
    EXPECT_EQ(Count(outcome), 1000); // the box shows the run's result
    EXPECT_EQ(outcome.numbers, state.survivors);
}

TEST(ThreeStarInvert, RefusedWithNothingKept) {
    ThreeStarInput input;
    input.base_set = "12 34";
    ThreeStarState state;
    const ThreeStarOutcome outcome = InvertThreeStar(input, state);
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->text, "请先缩水后再反选");
    EXPECT_FALSE(outcome.copied);
    EXPECT_EQ(Count(outcome), 0);
    EXPECT_EQ(Text(outcome), "");
}

TEST(ThreeStarInvert, ListsAndCopiesTheExcluded) {
    ThreeStarInput input;
    input.kill_direct = "123 007";
    ThreeStarState state;
    const ThreeStarOutcome outcome = InvertThreeStar(input, state);
    EXPECT_EQ(Text(outcome), "007 123");
    EXPECT_EQ(Count(outcome), 2);
    EXPECT_TRUE(outcome.copied); // the listed text goes to the clipboard
    ASSERT_TRUE(outcome.message);
    EXPECT_EQ(outcome.message->title, "温馨提示");
    EXPECT_EQ(outcome.message->text,
              "复制反选号码成功！！\n注意，组选号码不能反选，只能反选直选号码");
}

TEST(ThreeStarConvertToGroup, EachGroupOnce) {
    ThreeStarInput input;
    input.base_set = "123 321 122";
    ThreeStarState state;
    const ThreeStarOutcome outcome = ConvertThreeStarToGroup(input, state);
    EXPECT_EQ(Text(outcome), "122 123");
    EXPECT_EQ(Count(outcome), 2);
    EXPECT_FALSE(outcome.message);
    EXPECT_FALSE(outcome.copied);
}

TEST(ThreeStarConvertToGroup, EverythingGivesAllTwoHundredTwenty) {
    ThreeStarState state;
    const ThreeStarOutcome outcome = ConvertThreeStarToGroup(ThreeStarInput{}, state);
    EXPECT_EQ(Count(outcome), 220);
    EXPECT_EQ(Text(outcome).substr(0, 11), "000 001 002");
    EXPECT_EQ(Text(outcome).substr(Text(outcome).size() - 3), "999");
    ThreeStarInput none;
    none.total_tolerance = Range("1", "0");
    EXPECT_EQ(Count(ConvertThreeStarToGroup(none, state)), 0);
    EXPECT_EQ(Text(ConvertThreeStarToGroup(none, state)), "");
}

TEST(ThreeStarClear, KeepsWhatTheClearDoesNotTouch) {
    ThreeStarInput input;
    input.kill_direct = "123";
    input.position_match = {"百大于个"};
    input.bankers_at_least = 3;
    input.total_tolerance = Range("1", "2");
    input.base_set_group = true;
    input.banker_count_repeats = true;
    const ThreeStarInput cleared = ClearedThreeStarInput(input);
    ThreeStarInput expected;
    expected.base_set_group = true;
    expected.banker_count_repeats = true;
    EXPECT_EQ(cleared, expected);
    EXPECT_EQ(cleared.bankers_at_least, 1);
}

TEST(ThreeStarSuggestBankers, Cases) {
    const BankerSuggestion spaced = SuggestBankers("5 8 9");
    EXPECT_EQ(spaced.input_text, "589");
    EXPECT_EQ(spaced.output_text, "03578");
    EXPECT_FALSE(spaced.message);

    const BankerSuggestion shortInput = SuggestBankers("58");
    EXPECT_EQ(shortInput.input_text, "58");
    EXPECT_EQ(shortInput.output_text, "未计算");
    ASSERT_TRUE(shortInput.message);
    EXPECT_EQ(shortInput.message->title, "温馨提示");
    EXPECT_EQ(shortInput.message->text, "输入必须是三位数字");

    EXPECT_TRUE(SuggestBankers("1234").message);
    EXPECT_TRUE(SuggestBankers("１２３").message); // full-width digits are no digits
    const char* expected[10] = {"13568", "24679", "03578", "14689", "02579",
                                "01368", "12479", "02358", "23469", "02457"};
    for (int tail = 0; tail < 10; ++tail) {
        const std::string draw = "00" + std::to_string(tail);
        EXPECT_EQ(SuggestBankers(draw).output_text, expected[tail]) << draw;
    }
    EXPECT_EQ(SuggestBankers("999").output_text, "02358"); // 27 -> 7
}

TEST(ThreeStarIntersection, FourOperations) {
    const char* a = "123 456";
    const char* b = "456,789";
    EXPECT_EQ(RunIntersectionTool(a, b, SetOperation::Intersection).result_text, "456");
    const IntersectionOutcome both = RunIntersectionTool(a, b, SetOperation::Union);
    EXPECT_EQ(both.result_text, "123 456 789");
    EXPECT_EQ(both.count, 3);
    EXPECT_EQ(RunIntersectionTool(a, b, SetOperation::AWithoutB).result_text, "123");
    EXPECT_EQ(RunIntersectionTool(a, b, SetOperation::BWithoutA).result_text, "789");
}

TEST(ThreeStarIntersection, StopsWhenNeitherBoxHasAMember) {
    const IntersectionOutcome none = RunIntersectionTool("12 3456", "", SetOperation::Union);
    EXPECT_EQ(none.result_text, "");
    EXPECT_EQ(none.count, 0);
    const IntersectionOutcome onlyA = RunIntersectionTool("007 007 12", "", SetOperation::Union);
    EXPECT_EQ(onlyA.result_text, "007");
    EXPECT_EQ(onlyA.count, 1);
    EXPECT_EQ(RunIntersectionTool("007", "", SetOperation::Intersection).count, 0);
}

TEST(ThreeStarPositionMatchList, AddAndDelete) {
    std::vector<std::string> rules;
    EXPECT_TRUE(AddPositionMatchRule(rules, kDefaultMatchLeft, kDefaultMatchComparison,
                                     kDefaultMatchRight));
    EXPECT_TRUE(AddPositionMatchRule(rules, "十", "等于", "个"));
    EXPECT_TRUE(AddPositionMatchRule(rules, "百", "小于", "十"));
    EXPECT_FALSE(AddPositionMatchRule(rules, "百", "", "十"));
    EXPECT_EQ(rules, (std::vector<std::string>{"百大于个", "十等于个", "百小于十"}));

    DeletePositionMatchRules(rules, {true, false, true});
    EXPECT_EQ(rules, (std::vector<std::string>{"十等于个"}));
    DeletePositionMatchRules(rules, {});
    EXPECT_EQ(rules.size(), 1u);
    DeletePositionMatchRules(rules, {true});
    EXPECT_TRUE(rules.empty());

    // The rule an add makes is the rule the group reads.
    AddPositionMatchRule(rules, "百", "大于", "个");
    ThreeStarInput input;
    input.position_match = rules;
    EXPECT_EQ(Marked(&ApplyPositionMatch, input),
              AllBut(Where([](int h, int, int u) { return h > u; })));
}

} // namespace
