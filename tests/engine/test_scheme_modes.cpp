// Schemes of modes "two" and "three": every field read, written back and
// refused as the loader promises.
#include "scheme/run_scheme.hpp"
#include "scheme/three_star_fields.hpp"
#include "scheme/two_star_fields.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <string>

using namespace sorvanta;
using namespace sorvanta::scheme;

namespace {

std::bitset<10> D(const std::string& digits) {
    std::bitset<10> set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

three::ThreeStarInput EveryThreeStarField() {
    three::ThreeStarInput in;
    in.kill_direct = "123";
    in.kill_group = "456";
    in.junk_compounds = "12*34*5";
    in.junk_compounds_tolerance = {"0", "1"};
    in.kill_pairs = "12";
    in.kill_pairs_tolerance = {"1", "2"};
    in.require_pairs = "34";
    in.position_kill_pairs = {"12", "", "34"};
    in.position_kill_pairs_tolerance = {"0", "2"};
    in.position_require_pairs = {"", "56", ""};
    in.pair_sums.keep_sum = {"1 2", "", ""};
    in.pair_sums.exclude_sum = {"", "3", ""};
    in.pair_sums.keep_diff = {"", "", "4"};
    in.pair_sums.exclude_diff = {"5", "", ""};
    in.pair_sums.exclude_sum_tail = {"", "6", ""};
    in.any_two_sum_tails = D("13");
    in.any_two_diffs = D("02");
    in.position_match = {"百大于个", "十等于十"};
    in.positional_bankers = {D("1"), D("2"), D("3"), D("12")};
    in.broken_groups = "123-456=12";
    in.kill_sum_tails = D("9");
    in.kill_spans = D("0");
    in.bankers = D("58");
    in.bankers_at_least = 2;
    in.kill_sums.set(0).set(27);
    in.exclude_compound = {D("1"), D("2"), D("3")};
    in.position_kill = {D("4"), D(""), D("6")};
    in.position_kill_tolerance = {"0", "1"};
    in.banker_rows[1] = {D("7"), D("13")};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "1"};
    in.kill_shapes.big_small = {"大大大"};
    in.kill_shapes.odd_even = {"奇偶奇"};
    in.kill_shapes.prime_composite = {"质合质"};
    in.kill_shapes_tolerance = {"0", "1"};
    in.largest_digits = "9";
    in.smallest_digits = "0";
    in.keep_counts = {D("1"), D("2"), D("3")};
    in.exclude_routes = {"000", "222"};
    in.special_exclusions = {"豹子", "凸型"};
    in.base_set = "123 456";
    in.base_set_group = true;
    in.must_keep = "789";
    in.total_tolerance = {"0", "2"};
    return in;
}

two::TwoStarInput EveryTwoStarField() {
    two::TwoStarInput in;
    in.banker_rows[2] = {D("9"), D("2")};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "1"};
    in.kill_spans = D("9");
    in.kill_sums.set(18);
    in.position_kill = {D("1"), D("2")};
    in.position_kill_tolerance = {"0", "1"};
    in.compound_exclusion = {D("12"), D("34")};
    in.shapes.big_small = {"大小"};
    in.shapes.odd_even = {"单双"};
    in.shapes.prime_composite = {"质合"};
    in.shapes.route012 = {"12"};
    in.shapes_tolerance = {"0", "1"};
    in.special_shapes = {"杀对子", "杀十<个"};
    in.special_shapes_tolerance = {"0", "1"};
    in.kill_list = "12 34";
    in.base_set = "56";
    in.total_tolerance = {"0", "1"};
    return in;
}

// Every field of the table appears in what a fully set panel saves, and
// loading it gives the panel back: no field is lost either way.
template <class Input>
void ExpectEveryFieldRoundTrips(const Input& input, const FieldTable<Input>& fields) {
    const std::string written = WriteScheme(Scheme(input));
    const auto conditions = nlohmann::json::parse(written)["conditions"];
    for (const auto& field : fields)
        EXPECT_TRUE(conditions.contains(field.name)) << field.name;
    const Scheme back = ParseScheme(written);
    ASSERT_TRUE(std::holds_alternative<Input>(back.input));
    EXPECT_TRUE(std::get<Input>(back.input) == input) << written;
}

TEST(SchemeModes, EveryThreeStarFieldRoundTrips) {
    ExpectEveryFieldRoundTrips(EveryThreeStarField(), ThreeStarFields());
}

TEST(SchemeModes, EveryTwoStarFieldRoundTrips) {
    ExpectEveryFieldRoundTrips(EveryTwoStarField(), TwoStarFields());
}

TEST(SchemeModes, RefusalsNameThePath) {
    struct Case {
        const char* mode;
        const char* conditions;
        const char* message;
    };
    const Case cases[] = {
        {"three", R"("pair_sums": {"keep_sum": ["1", "2"]})",
         "conditions.pair_sums.keep_sum: expected 3 texts (百十, 百个, 十个), found 2"},
        {"three", R"("pair_sums": {"keep": []})",
         "conditions.pair_sums.keep: unknown field; expected one of \"keep_sum\", "
         "\"exclude_sum\", \"keep_diff\", \"exclude_diff\", \"exclude_sum_tail\""},
        {"three", R"("kill_sums": [3, 28])", "conditions.kill_sums[1]: 28 is not one of 0 to 27"},
        {"three", R"("kill_sums": [1.5])",
         "conditions.kill_sums[0]: expected an integer, found a fractional number"},
        {"three", R"("bankers_at_least": "4")",
         "conditions.bankers_at_least: expected \"1\", \"2\" or \"3\""},
        {"three", R"("positional_bankers": {"counts": "4"})",
         "conditions.positional_bankers.counts: \"4\" is not one of the digits 0 to 3"},
        {"three", R"("banker_rows": [{}, {}, {}, {}, {}])",
         "conditions.banker_rows: expected at most four rows, found 5"},
        {"three", R"("position_match": ["百大于个", 3])",
         "conditions.position_match[1]: expected a string, found a number"},
        {"three", R"("exclude_routes": ["003"])",
         "conditions.exclude_routes[0]: \"003\" is not a caption of this group; expected one "
         "of"},
        {"two", R"("banker_rows": [{"counts": "3"}])",
         "conditions.banker_rows[0].counts: \"3\" is not one of the digits 0 to 2"},
        {"two", R"("position_kill": ["1"])",
         "conditions.position_kill: expected two rows (十位, 个位), found 1"},
        {"two", R"("shapes": {"route012": ["33"]})",
         "conditions.shapes.route012[0]: \"33\" is not a caption of this group"},
        {"two", R"("kill_pairs": "12")", "conditions.kill_pairs: unknown field for mode \"two\""},
    };
    for (const Case& c : cases) {
        const std::string text =
            std::string(R"({"format":"sorvanta-scheme","version":1,"mode":")") + c.mode +
            R"(","conditions":{)" + c.conditions + "}}";
        try {
            ParseScheme(text);
            ADD_FAILURE() << c.conditions << " was accepted";
        } catch (const SchemeError& e) {
            EXPECT_EQ(std::string(e.what()).rfind(c.message, 0), 0u) << c.conditions << "\n"
                                                                     << e.what();
        }
    }
}

TEST(SchemeModes, RunGivesEachModesWidthAndRefusal) {
    const RunResult two = RunScheme(Scheme(two::TwoStarInput{}));
    EXPECT_EQ(two.numbers.size(), 100u);
    EXPECT_EQ(two.Text().substr(0, 5), "00 01");
    const RunResult three = RunScheme(Scheme(three::ThreeStarInput{}), {false, true});
    EXPECT_EQ(three.status, RunResult::Status::Refused);
    EXPECT_EQ(three.message, "请先缩水后再反选");
    three::ThreeStarInput one;
    one.kill_direct = "000";
    const RunResult inverted = RunScheme(Scheme(one), {false, true});
    EXPECT_EQ(inverted.Text(), "000");
    const RunResult grouped = RunScheme(Scheme(three::ThreeStarInput{}), {true, false});
    EXPECT_EQ(grouped.numbers.size(), 220u);
}

} // namespace
