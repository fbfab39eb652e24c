#include "scheme/four_star_fields.hpp"

#include "engine4/runs_and_extremes.hpp"
#include "engine4/shape_patterns.hpp"
#include "engine4/shape_ratios.hpp"
#include "engine4/special_shapes.hpp"

namespace sorvanta::scheme {

namespace {

using four::FourStarInput;
using In = FourStarInput;

CaptionGroup Patterns(four::PatternKind kind, const char* expected) {
    return {four::PatternButtonCaptions(kind), expected};
}

} // namespace

const FieldTable<FourStarInput>& FourStarFields() {
    using four::PatternKind;
    static const FieldTable<In> fields = {
        Named("杀直选号码", Text("kill_direct", &In::kill_direct)),
        Named("杀垃圾复式", Text("junk_compounds", &In::junk_compounds)),
        Named("杀垃圾复式的容错", Range("junk_compounds_tolerance", &In::junk_compounds_tolerance)),
        Named("杀两码组合", Text("kill_pairs", &In::kill_pairs)),
        Named("杀两码组合的容错", Range("kill_pairs_tolerance", &In::kill_pairs_tolerance)),
        Named("必出两码组合", Text("require_pairs", &In::require_pairs)),
        Named("杀3码组合", Text("kill_triples", &In::kill_triples)),
        Named("杀3码组合的容错", Range("kill_triples_tolerance", &In::kill_triples_tolerance)),
        Named("必出3码组合", Text("require_triples", &In::require_triples)),
        Named("杀定位组合", Text("kill_patterns", &In::kill_patterns)),
        Named("定位杀", DigitRows("position_kill", &In::position_kill, "千 百 十 个")),
        Named("定位容错", Range("position_kill_tolerance", &In::position_kill_tolerance)),
        Named("杀和尾", Digits("kill_sum_tails", &In::kill_sum_tails, 0, 9)),
        Named("杀和值", Text("kill_sums", &In::kill_sums)),
        Named("杀跨度", Digits("kill_spans", &In::kill_spans, 0, 9)),
        Named("通杀码", Digits("kill_all_digits", &In::kill_all_digits, 0, 9)),
        Named("杀AC值", Digits("kill_ac", &In::kill_ac, 1, 6)),
        Named("胆组", BankerRows("banker_rows", &In::banker_rows, 4, "four")),
        Named("胆码计重", Flag("banker_count_repeats", &In::banker_count_repeats)),
        Named("胆组容错", Range("banker_tolerance", &In::banker_tolerance)),
        Named("大小比",
              Captions("ratio_big_small", &In::ratio_big_small, Offered(four::kRatioCaptions))),
        Named("奇偶比",
              Captions("ratio_odd_even", &In::ratio_odd_even, Offered(four::kRatioCaptions))),
        Named("质合比", Captions("ratio_prime_composite", &In::ratio_prime_composite,
                                 Offered(four::kRatioCaptions))),
        Named("形态比的容错", Range("ratio_tolerance", &In::ratio_tolerance)),
        Named("杀特殊形态", Captions("special_shapes", &In::special_shapes,
                                     Offered(four::kSpecialShapeCaptions))),
        Named("杀大小形态",
              Captions("pattern_big_small", &In::pattern_big_small,
                       Patterns(PatternKind::BigSmall, "four characters of \"大\" and \"小\""))),
        Named("杀奇偶形态",
              Captions("pattern_odd_even", &In::pattern_odd_even,
                       Patterns(PatternKind::OddEven, "four characters of \"奇\" and \"偶\""))),
        Named("杀质合形态", Captions("pattern_prime_composite", &In::pattern_prime_composite,
                                     Patterns(PatternKind::PrimeComposite,
                                              "four characters of \"质\" and \"合\""))),
        Named("杀012路形态", Captions("pattern_route012", &In::pattern_route012,
                                      Patterns(PatternKind::Route012,
                                               "four characters of \"0\", \"1\" and \"2\""))),
        Named("杀形态容错", Range("pattern_tolerance", &In::pattern_tolerance)),
        Named("杀连号重号",
              Captions("run_repeat", &In::run_repeat, Offered(four::kRunRepeatCaptions))),
        Named("最小号", Digits("smallest_digits", &In::smallest_digits, 0, 8)),
        Named("最大号", Digits("largest_digits", &In::largest_digits, 1, 9)),
        Named("二星拼接", Texts("two_star_splice", &In::two_star_splice,
                                "千百**, 千*十*, 千**个, *百十*, *百*个, **十个")),
        Named("二星拼接的保留/删除", Choice("two_star_splice_mode", &In::two_star_splice_delete,
                                            {{"keep", false}, {"delete", true}})),
        Named("二星拼接的容错", Range("two_star_splice_tolerance", &In::two_star_splice_tolerance)),
        Named("三星拼接", Texts("three_star_splice", &In::three_star_splice,
                                "千百十*, 千百*个, 千*十个, *百十个")),
        Named("三星拼接的保留/删除", Choice("three_star_splice_mode", &In::three_star_splice_delete,
                                            {{"keep", false}, {"delete", true}})),
        Named("三星拼接的容错",
              Range("three_star_splice_tolerance", &In::three_star_splice_tolerance)),
        Named("大底", Text("base_set", &In::base_set)),
        Named("总容错", Range("total_tolerance", &In::total_tolerance)),
    };
    return fields;
}

} // namespace sorvanta::scheme
