#include "scheme/scheme.hpp"

#include "engine4/shape_patterns.hpp"

#include <gtest/gtest.h>
#include <nlohmann/json.hpp>

#include <functional>
#include <string>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::scheme;

namespace {

std::string FourStar(const std::string& conditions) {
    return R"({"format": "sorvanta-scheme", "version": 1, "mode": "four", "conditions": {)" +
           conditions + "}}";
}

DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

TEST(SchemeFourStar, ReadsEveryGroupField) {
    struct Case {
        const char* name;
        std::string conditions;
        std::function<void(FourStarInput&)> expect;
    };
    const Case cases[] = {
        {"Texts",
         R"("kill_direct": "1234,5678", "junk_compounds": "1*2*3*4\r\n5*6*7*8",
            "kill_pairs": "12", "require_pairs": "34", "kill_triples": "123",
            "require_triples": "456", "kill_patterns": "12**", "kill_sums": "05 16",
            "base_set": "0012")",
         [](FourStarInput& in) {
             in.kill_direct = "1234,5678";
             in.junk_compounds = "1*2*3*4\r\n5*6*7*8";
             in.kill_pairs = "12";
             in.require_pairs = "34";
             in.kill_triples = "123";
             in.require_triples = "456";
             in.kill_patterns = "12**";
             in.kill_sums = "05 16";
             in.base_set = "0012";
         }},
        {"Ranges",
         R"("junk_compounds_tolerance": ["1", 2], "kill_pairs_tolerance": ["2a", "3"],
            "kill_triples_tolerance": [0, "-1"], "position_kill_tolerance": ["0", "1"],
            "banker_tolerance": [1, 1], "ratio_tolerance": ["1", "2"],
            "pattern_tolerance": ["0", "4"])",
         [](FourStarInput& in) {
             in.junk_compounds_tolerance = {"1", "2"};
             in.kill_pairs_tolerance = {"2a", "3"};
             in.kill_triples_tolerance = {"0", "-1"};
             in.position_kill_tolerance = {"0", "1"};
             in.banker_tolerance = {"1", "1"};
             in.ratio_tolerance = {"1", "2"};
             in.pattern_tolerance = {"0", "4"};
         }},
        {"DigitRows",
         R"("position_kill": ["0", "", "91", "99"], "kill_sum_tails": "70",
            "kill_spans": "0", "kill_all_digits": "", "kill_ac": "16")",
         [](FourStarInput& in) {
             in.position_kill = {Digits("0"), DigitSet{}, Digits("19"), Digits("9")};
             in.kill_sum_tails = Digits("07");
             in.kill_spans = Digits("0");
             in.kill_ac = Digits("16");
         }},
        {"Bankers",
         R"("banker_rows": [{"digits": "38", "counts": "2"}, {}, {"counts": "04"}],
            "banker_count_repeats": true)",
         [](FourStarInput& in) {
             in.banker_rows[0] = {Digits("38"), Digits("2")};
             in.banker_rows[2] = {DigitSet{}, Digits("04")};
             in.banker_count_repeats = true;
         }},
        {"Captions",
         R"("ratio_big_small": ["1:3", "2:2", "1:3"], "ratio_odd_even": ["4:0"],
            "ratio_prime_composite": ["0:4"], "special_shapes": ["上山", "反N形"],
            "pattern_big_small": ["大小小大"], "pattern_odd_even": ["奇偶奇偶"],
            "pattern_prime_composite": ["质合合质"], "pattern_route012": ["2202", "0000"])",
         [](FourStarInput& in) {
             in.ratio_big_small = {"1:3", "2:2"};
             in.ratio_odd_even = {"4:0"};
             in.ratio_prime_composite = {"0:4"};
             in.special_shapes = {"上山", "反N形"};
             in.pattern_big_small = {"大小小大"};
             in.pattern_odd_even = {"奇偶奇偶"};
             in.pattern_prime_composite = {"质合合质"};
             in.pattern_route012 = {"0000", "2202"};
         }},
        {"RunsExtremesAndSplices",
         R"("run_repeat": ["4连", "AABB"], "smallest_digits": "08", "largest_digits": "19",
            "two_star_splice": ["56", "", "", "", "", "88"], "two_star_splice_mode": "delete",
            "two_star_splice_tolerance": ["0", 1],
            "three_star_splice": ["", "", "", "888"], "three_star_splice_mode": "keep",
            "three_star_splice_tolerance": ["0", "0"])",
         [](FourStarInput& in) {
             in.run_repeat = {"4连", "AABB"};
             in.smallest_digits = Digits("08");
             in.largest_digits = Digits("19");
             in.two_star_splice = {"56", "", "", "", "", "88"};
             in.two_star_splice_delete = true;
             in.two_star_splice_tolerance = {"0", "1"};
             in.three_star_splice = {"", "", "", "888"};
         }},
    };
    for (const Case& c : cases) {
        FourStarInput expected;
        c.expect(expected);
        Scheme scheme;
        ASSERT_NO_THROW(scheme = ParseScheme(FourStar(c.conditions))) << c.name;
        EXPECT_TRUE(scheme.four() == expected) << c.name;
    }
}

TEST(SchemeFourStar, InvalidFieldsNameTheirPath) {
    struct Case {
        const char* name;
        std::string conditions;
        std::string message;
    };
    const Case cases[] = {
        {"TextNotAString", R"("kill_direct": 1234)",
         "conditions.kill_direct: expected a string, found a number"},
        {"DigitsNotAString", R"("kill_spans": [1])",
         "conditions.kill_spans: expected a string of digits, found an array"},
        {"NonDigit", R"("kill_sum_tails": "1a")",
         "conditions.kill_sum_tails: \"a\" is not a digit"},
        {"FullWidthDigit", R"("kill_all_digits": "１")",
         "conditions.kill_all_digits: \"１\" is not a digit"},
        {"AcOutOfRange", R"("kill_ac": "07")",
         "conditions.kill_ac: \"0\" is not one of the digits 1 to 6"},
        {"PositionKillTooShort", R"("position_kill": ["1", "2", "3"])",
         "conditions.position_kill: expected four rows"},
        {"PositionKillRowBad", R"("position_kill": ["1", "2", "x", "3"])",
         "conditions.position_kill[2]: \"x\" is not a digit"},
        {"PositionKillNotArray", R"("position_kill": "1234")",
         "conditions.position_kill: expected an array of four digit strings, found a string"},
        {"TooManyBankerRows", R"("banker_rows": [{}, {}, {}, {}, {}])",
         "conditions.banker_rows: expected at most four rows, found 5"},
        {"BankerRowNotObject", R"("banker_rows": ["38"])",
         "conditions.banker_rows[0]: expected an object"},
        {"BankerCountTooHigh", R"("banker_rows": [{"digits": "5"}, {"counts": "5"}])",
         "conditions.banker_rows[1].counts: \"5\" is not one of the digits 0 to 4"},
        {"BankerRowUnknownKey", R"("banker_rows": [{"digit": "5"}])",
         "conditions.banker_rows[0].digit: unknown field"},
        {"RepeatsNotBoolean", R"("banker_count_repeats": "yes")",
         "conditions.banker_count_repeats: expected true or false, found a string"},
        {"RatioCaptionUnknown", R"("ratio_odd_even": ["1:3", "5:0"])",
         "conditions.ratio_odd_even[1]: \"5:0\" is not a caption of this group"},
        {"CaptionsNotArray", R"("special_shapes": "上山")",
         "conditions.special_shapes: expected an array of captions, found a string"},
        {"CaptionNotString", R"("special_shapes": [1])",
         "conditions.special_shapes[0]: expected a caption, found a number"},
        {"ShapeFromAnotherGroup", R"("special_shapes": ["凹型"])",
         "conditions.special_shapes[0]: \"凹型\" is not a caption of this group"},
        {"PatternOfAnotherKind", R"("pattern_big_small": ["奇偶奇偶"])",
         "conditions.pattern_big_small[0]: \"奇偶奇偶\" is not a caption of this group"},
        {"RouteDigitThree", R"("pattern_route012": ["0123"])",
         "conditions.pattern_route012[0]: \"0123\" is not a caption of this group"},
        {"RangeOneBound", R"("pattern_tolerance": ["1"])",
         "conditions.pattern_tolerance: expected two bounds"},
        {"RunCaptionUnknown", R"("run_repeat": ["5连"])",
         "conditions.run_repeat[0]: \"5连\" is not a caption of this group"},
        {"SmallestNine", R"("smallest_digits": "9")",
         "conditions.smallest_digits: \"9\" is not one of the digits 0 to 8"},
        {"LargestZero", R"("largest_digits": "0")",
         "conditions.largest_digits: \"0\" is not one of the digits 1 to 9"},
        {"TwoStarSpliceFiveBoxes", R"("two_star_splice": ["", "", "", "", ""])",
         "conditions.two_star_splice: expected 6 texts"},
        {"ThreeStarSpliceBoxNotText", R"("three_star_splice": ["", 888, "", ""])",
         "conditions.three_star_splice[1]: expected a string, found a number"},
        {"SpliceModeUnknown", R"("two_star_splice_mode": "保留")",
         "conditions.two_star_splice_mode: expected \"keep\" or \"delete\""},
        {"FieldNameWithLineBreak", R"("kill\ndirect": "1")",
         "conditions.kill\\ndirect: unknown field for mode \"four\""},
        {"LaterFieldUnknownForNow", R"("kill_group": "123")",
         "conditions.kill_group: unknown field for mode \"four\""},
    };
    for (const Case& c : cases) {
        try {
            ParseScheme(FourStar(c.conditions));
            ADD_FAILURE() << c.name << ": no error";
        } catch (const SchemeError& e) {
            const std::string what = e.what();
            EXPECT_EQ(what.rfind(c.message, 0), 0u) << c.name << ": " << what;
            EXPECT_EQ(what.find('\n'), std::string::npos) << c.name;
        }
    }
}

FourStarInput EverythingSet() {
    FourStarInput in;
    in.kill_direct = "1234 5678";
    in.junk_compounds = "1*2*3*4\n5*6*7*8";
    in.junk_compounds_tolerance = {"0", "1"};
    in.kill_pairs = "12";
    in.kill_pairs_tolerance = {"1", "2"};
    in.require_pairs = "34";
    in.kill_triples = "123";
    in.kill_triples_tolerance = {"0", "3"};
    in.require_triples = "456";
    in.kill_patterns = "12** **89";
    in.position_kill = {Digits("0"), DigitSet{}, DigitSet{}, Digits("9")};
    in.position_kill_tolerance = {"0", "1"};
    in.kill_sum_tails = Digits("5");
    in.kill_sums = "00 36";
    in.kill_spans = Digits("09");
    in.kill_all_digits = Digits("4");
    in.kill_ac = Digits("16");
    in.banker_rows[1] = {Digits("38"), Digits("12")};
    in.banker_rows[3] = {DigitSet{}, Digits("0")};
    in.banker_count_repeats = true;
    in.banker_tolerance = {"0", "2"};
    in.ratio_big_small = {"1:3"};
    in.ratio_odd_even = {"2:2", "0:4"};
    in.ratio_prime_composite = {"4:0"};
    in.ratio_tolerance = {"1", "1"};
    in.special_shapes = {"N形", "反N形"};
    in.pattern_big_small = {"大大大大"};
    in.pattern_odd_even = {"偶偶偶偶"};
    in.pattern_prime_composite = {"合质合质"};
    in.pattern_route012 = {"1201"};
    in.pattern_tolerance = {"0", "1"};
    in.run_repeat = {"不连", "ABCD"};
    in.smallest_digits = Digits("0");
    in.largest_digits = Digits("9");
    in.two_star_splice = {"", "12 34", "", "", "", ""};
    in.two_star_splice_tolerance = {"0", "1"};
    in.three_star_splice = {"123", "", "", "456 789"};
    in.three_star_splice_delete = true;
    in.three_star_splice_tolerance = {"1", "2"};
    in.base_set = "0012 1234";
    in.total_tolerance = {"0", "1"};
    return in;
}

TEST(SchemeFourStar, WriteAndParseAreInverse) {
    const FourStarInput input = EverythingSet();
    const Scheme back = ParseScheme(WriteFourStarScheme(input));
    EXPECT_TRUE(back.four() == input);
}

TEST(SchemeFourStar, OffFieldsAreLeftOut) {
    const auto empty = nlohmann::json::parse(WriteFourStarScheme(FourStarInput{}));
    EXPECT_TRUE(empty["conditions"].empty()) << empty.dump();

    FourStarInput one;
    one.banker_rows[1] = {Digits("5"), DigitSet{}};
    const auto rows = nlohmann::json::parse(WriteFourStarScheme(one));
    EXPECT_EQ(rows["conditions"].size(), 1u);
    // The row keeps its place; the untouched rows after it are not written.
    EXPECT_EQ(rows["conditions"]["banker_rows"].dump(), R"([{},{"digits":"5"}])");
}

TEST(SchemeFourStar, CaptionsWrittenInButtonOrder) {
    FourStarInput input;
    input.special_shapes = {"反N形", "上山", "凹形"};
    input.pattern_big_small = {"小小小小", "大大大大", "大大小大"};
    const auto written = nlohmann::json::parse(WriteFourStarScheme(input));
    EXPECT_EQ(written["conditions"]["special_shapes"].dump(), R"(["上山","凹形","反N形"])");
    EXPECT_EQ(written["conditions"]["pattern_big_small"].dump(),
              R"(["大大大大","大大小大","小小小小"])");
}

} // namespace
