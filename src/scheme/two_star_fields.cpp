#include "scheme/two_star_fields.hpp"

namespace sorvanta::scheme {

const FieldTable<two::TwoStarInput>& TwoStarFields() {
    using In = two::TwoStarInput;
    using two::TwoStarShapes;
    static const FieldTable<In> fields = {
        BankerRows("banker_rows", &In::banker_rows, 2, "three"),
        Flag("banker_count_repeats", &In::banker_count_repeats),
        Range("banker_tolerance", &In::banker_tolerance),
        Digits("kill_spans", &In::kill_spans, 0, 9),
        Integers("kill_sums", &In::kill_sums, 0, 18),
        DigitRows("position_kill", &In::position_kill, "十位, 个位"),
        Range("position_kill_tolerance", &In::position_kill_tolerance),
        DigitRows("compound_exclusion", &In::compound_exclusion, "十位, 个位"),
        Object(
            "shapes", &In::shapes,
            FieldTable<TwoStarShapes>{
                Captions("big_small", &TwoStarShapes::big_small, Offered(two::kBigSmallCaptions)),
                Captions("odd_even", &TwoStarShapes::odd_even, Offered(two::kOddEvenCaptions)),
                Captions("prime_composite", &TwoStarShapes::prime_composite,
                         Offered(two::kPrimeCompositeCaptions)),
                Captions("route012", &TwoStarShapes::route012, Offered(two::kRoute012Captions)),
            }),
        Range("shapes_tolerance", &In::shapes_tolerance),
        Captions("special_shapes", &In::special_shapes, Offered(two::kSpecialShapeCaptions)),
        Range("special_shapes_tolerance", &In::special_shapes_tolerance),
        Text("kill_list", &In::kill_list),
        Text("base_set", &In::base_set),
        Range("total_tolerance", &In::total_tolerance),
    };
    return fields;
}

} // namespace sorvanta::scheme
