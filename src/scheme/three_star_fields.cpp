#include "scheme/three_star_fields.hpp"

#include "engine23/three_star_captions.hpp"

namespace sorvanta::scheme {

const FieldTable<three::ThreeStarInput>& ThreeStarFields() {
    using In = three::ThreeStarInput;
    using three::KeepCounts;
    using three::KillShapes;
    using three::PairSums;
    using three::PositionalBankers;
    static const FieldTable<In> fields = {
        Text("kill_direct", &In::kill_direct),
        Text("kill_group", &In::kill_group),
        Text("junk_compounds", &In::junk_compounds),
        Range("junk_compounds_tolerance", &In::junk_compounds_tolerance),
        Text("kill_pairs", &In::kill_pairs),
        Range("kill_pairs_tolerance", &In::kill_pairs_tolerance),
        Text("require_pairs", &In::require_pairs),
        Texts("position_kill_pairs", &In::position_kill_pairs, "百十, 百个, 十个"),
        Range("position_kill_pairs_tolerance", &In::position_kill_pairs_tolerance),
        Texts("position_require_pairs", &In::position_require_pairs, "百十, 百个, 十个"),
        Object("pair_sums", &In::pair_sums,
               FieldTable<PairSums>{
                   Texts("keep_sum", &PairSums::keep_sum, "百十, 百个, 十个"),
                   Texts("exclude_sum", &PairSums::exclude_sum, "百十, 百个, 十个"),
                   Texts("keep_diff", &PairSums::keep_diff, "百十, 百个, 十个"),
                   Texts("exclude_diff", &PairSums::exclude_diff, "百十, 百个, 十个"),
                   Texts("exclude_sum_tail", &PairSums::exclude_sum_tail, "百十, 百个, 十个"),
               }),
        Digits("any_two_sum_tails", &In::any_two_sum_tails, 0, 9),
        Digits("any_two_diffs", &In::any_two_diffs, 0, 9),
        TextList("position_match", &In::position_match),
        Object("positional_bankers", &In::positional_bankers,
               FieldTable<PositionalBankers>{
                   Digits("hundreds", &PositionalBankers::hundreds, 0, 9),
                   Digits("tens", &PositionalBankers::tens, 0, 9),
                   Digits("units", &PositionalBankers::units, 0, 9),
                   Digits("counts", &PositionalBankers::counts, 0, 3),
               }),
        Text("broken_groups", &In::broken_groups),
        Digits("kill_sum_tails", &In::kill_sum_tails, 0, 9),
        Digits("kill_spans", &In::kill_spans, 0, 9),
        Digits("bankers", &In::bankers, 0, 9),
        Choice("bankers_at_least", &In::bankers_at_least, {{"1", 1}, {"2", 2}, {"3", 3}}),
        Integers("kill_sums", &In::kill_sums, 0, 27),
        DigitRows("exclude_compound", &In::exclude_compound, "百 十 个"),
        DigitRows("position_kill", &In::position_kill, "百 十 个"),
        Range("position_kill_tolerance", &In::position_kill_tolerance),
        BankerRows("banker_rows", &In::banker_rows, 3, "four"),
        Flag("banker_count_repeats", &In::banker_count_repeats),
        Range("banker_tolerance", &In::banker_tolerance),
        Object(
            "kill_shapes", &In::kill_shapes,
            FieldTable<KillShapes>{
                Captions("big_small", &KillShapes::big_small,
                         Offered(three::kBigSmallShapeCaptions)),
                Captions("odd_even", &KillShapes::odd_even, Offered(three::kOddEvenShapeCaptions)),
                Captions("prime_composite", &KillShapes::prime_composite,
                         Offered(three::kPrimeCompositeShapeCaptions)),
            }),
        Range("kill_shapes_tolerance", &In::kill_shapes_tolerance),
        Text("largest_digits", &In::largest_digits),
        Text("smallest_digits", &In::smallest_digits),
        Object("keep_counts", &In::keep_counts,
               FieldTable<KeepCounts>{
                   Digits("big", &KeepCounts::big, 0, 3),
                   Digits("odd", &KeepCounts::odd, 0, 3),
                   Digits("prime", &KeepCounts::prime, 0, 3),
               }),
        Captions("exclude_routes", &In::exclude_routes, Offered(three::kRouteCaptions)),
        Captions("special_exclusions", &In::special_exclusions,
                 Offered(three::kSpecialExclusionCaptions)),
        Text("base_set", &In::base_set),
        Flag("base_set_group", &In::base_set_group),
        Text("must_keep", &In::must_keep),
        Range("total_tolerance", &In::total_tolerance),
    };
    return fields;
}

} // namespace sorvanta::scheme
