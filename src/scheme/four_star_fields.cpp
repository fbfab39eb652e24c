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
        Text("kill_direct", &In::kill_direct),
        Text("junk_compounds", &In::junk_compounds),
        Range("junk_compounds_tolerance", &In::junk_compounds_tolerance),
        Text("kill_pairs", &In::kill_pairs),
        Range("kill_pairs_tolerance", &In::kill_pairs_tolerance),
        Text("require_pairs", &In::require_pairs),
        Text("kill_triples", &In::kill_triples),
        Range("kill_triples_tolerance", &In::kill_triples_tolerance),
        Text("require_triples", &In::require_triples),
        Text("kill_patterns", &In::kill_patterns),
        DigitRows("position_kill", &In::position_kill, "千 百 十 个"),
        Range("position_kill_tolerance", &In::position_kill_tolerance),
        Digits("kill_sum_tails", &In::kill_sum_tails, 0, 9),
        Text("kill_sums", &In::kill_sums),
        Digits("kill_spans", &In::kill_spans, 0, 9),
        Digits("kill_all_digits", &In::kill_all_digits, 0, 9),
        Digits("kill_ac", &In::kill_ac, 1, 6),
        BankerRows("banker_rows", &In::banker_rows, 4, "four"),
        Flag("banker_count_repeats", &In::banker_count_repeats),
        Range("banker_tolerance", &In::banker_tolerance),
        Captions("ratio_big_small", &In::ratio_big_small, Offered(four::kRatioCaptions)),
        Captions("ratio_odd_even", &In::ratio_odd_even, Offered(four::kRatioCaptions)),
        Captions("ratio_prime_composite", &In::ratio_prime_composite,
                 Offered(four::kRatioCaptions)),
        Range("ratio_tolerance", &In::ratio_tolerance),
        Captions("special_shapes", &In::special_shapes, Offered(four::kSpecialShapeCaptions)),
        Captions("pattern_big_small", &In::pattern_big_small,
                 Patterns(PatternKind::BigSmall, "four characters of \"大\" and \"小\"")),
        Captions("pattern_odd_even", &In::pattern_odd_even,
                 Patterns(PatternKind::OddEven, "four characters of \"奇\" and \"偶\"")),
        Captions("pattern_prime_composite", &In::pattern_prime_composite,
                 Patterns(PatternKind::PrimeComposite, "four characters of \"质\" and \"合\"")),
        Captions("pattern_route012", &In::pattern_route012,
                 Patterns(PatternKind::Route012, "four characters of \"0\", \"1\" and \"2\"")),
        Range("pattern_tolerance", &In::pattern_tolerance),
        Captions("run_repeat", &In::run_repeat, Offered(four::kRunRepeatCaptions)),
        Digits("smallest_digits", &In::smallest_digits, 0, 8),
        Digits("largest_digits", &In::largest_digits, 1, 9),
        Texts("two_star_splice", &In::two_star_splice,
              "千百**, 千*十*, 千**个, *百十*, *百*个, **十个"),
        Choice("two_star_splice_mode", &In::two_star_splice_delete,
               {{"keep", false}, {"delete", true}}),
        Range("two_star_splice_tolerance", &In::two_star_splice_tolerance),
        Texts("three_star_splice", &In::three_star_splice, "千百十*, 千百*个, 千*十个, *百十个"),
        Choice("three_star_splice_mode", &In::three_star_splice_delete,
               {{"keep", false}, {"delete", true}}),
        Range("three_star_splice_tolerance", &In::three_star_splice_tolerance),
        Text("base_set", &In::base_set),
        Range("total_tolerance", &In::total_tolerance),
    };
    return fields;
}

} // namespace sorvanta::scheme
