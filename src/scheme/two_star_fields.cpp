#include "scheme/two_star_fields.hpp"

namespace sorvanta::scheme {

const FieldTable<two::TwoStarInput>& TwoStarFields() {
    using In = two::TwoStarInput;
    using two::TwoStarShapes;
    static const FieldTable<In> fields = {
        Named("胆组", BankerRows("banker_rows", &In::banker_rows, 2, "three")),
        Named("胆码计重", Flag("banker_count_repeats", &In::banker_count_repeats)),
        Named("胆组容错", Range("banker_tolerance", &In::banker_tolerance)),
        Named("杀跨度", Digits("kill_spans", &In::kill_spans, 0, 9)),
        Named("杀和值", Integers("kill_sums", &In::kill_sums, 0, 18)),
        Named("定位杀", DigitRows("position_kill", &In::position_kill, "十位, 个位")),
        Named("定位杀的容错", Range("position_kill_tolerance", &In::position_kill_tolerance)),
        Named("复式排除", DigitRows("compound_exclusion", &In::compound_exclusion, "十位, 个位")),
        Named("杀形态",
              Object("shapes", &In::shapes,
                     FieldTable<TwoStarShapes>{
                         Named("大小", Captions("big_small", &TwoStarShapes::big_small,
                                                Offered(two::kBigSmallCaptions))),
                         Named("单双", Captions("odd_even", &TwoStarShapes::odd_even,
                                                Offered(two::kOddEvenCaptions))),
                         Named("质合", Captions("prime_composite", &TwoStarShapes::prime_composite,
                                                Offered(two::kPrimeCompositeCaptions))),
                         Named("012路", Captions("route012", &TwoStarShapes::route012,
                                                 Offered(two::kRoute012Captions))),
                     })),
        Named("杀形态的容错", Range("shapes_tolerance", &In::shapes_tolerance)),
        Named("杀特殊形态",
              Captions("special_shapes", &In::special_shapes, Offered(two::kSpecialShapeCaptions))),
        Named("杀特殊形态的容错", Range("special_shapes_tolerance", &In::special_shapes_tolerance)),
        Named("杀直选号码", Text("kill_list", &In::kill_list)),
        Named("大底号码", Text("base_set", &In::base_set)),
        Named("总容错", Range("total_tolerance", &In::total_tolerance)),
    };
    return fields;
}

} // namespace sorvanta::scheme
