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
        Named("杀直选号码", Text("kill_direct", &In::kill_direct)),
        Named("杀组选号码", Text("kill_group", &In::kill_group)),
        Named("杀垃圾复式", Text("junk_compounds", &In::junk_compounds)),
        Named("杀垃圾复式的容错", Range("junk_compounds_tolerance", &In::junk_compounds_tolerance)),
        Named("杀2码组合", Text("kill_pairs", &In::kill_pairs)),
        Named("杀2码组合的容错", Range("kill_pairs_tolerance", &In::kill_pairs_tolerance)),
        Named("必出2码组合", Text("require_pairs", &In::require_pairs)),
        Named("【杀】定位两码",
              Texts("position_kill_pairs", &In::position_kill_pairs, "百十, 百个, 十个")),
        Named("【杀】定位两码的容错",
              Range("position_kill_pairs_tolerance", &In::position_kill_pairs_tolerance)),
        Named("【定】定位两码",
              Texts("position_require_pairs", &In::position_require_pairs, "百十, 百个, 十个")),
        Named("两码和差",
              Object(
                  "pair_sums", &In::pair_sums,
                  FieldTable<PairSums>{
                      Named("和保留", Texts("keep_sum", &PairSums::keep_sum, "百十, 百个, 十个")),
                      Named("和排除",
                            Texts("exclude_sum", &PairSums::exclude_sum, "百十, 百个, 十个")),
                      Named("差保留", Texts("keep_diff", &PairSums::keep_diff, "百十, 百个, 十个")),
                      Named("差排除",
                            Texts("exclude_diff", &PairSums::exclude_diff, "百十, 百个, 十个")),
                      Named("合排除", Texts("exclude_sum_tail", &PairSums::exclude_sum_tail,
                                            "百十, 百个, 十个")),
                  })),
        Named("任意两码合保留", Digits("any_two_sum_tails", &In::any_two_sum_tails, 0, 9)),
        Named("任意两码差保留", Digits("any_two_diffs", &In::any_two_diffs, 0, 9)),
        Named("位置匹配", TextList("position_match", &In::position_match)),
        Named("定位胆",
              Object("positional_bankers", &In::positional_bankers,
                     FieldTable<PositionalBankers>{
                         Named("百位", Digits("hundreds", &PositionalBankers::hundreds, 0, 9)),
                         Named("十位", Digits("tens", &PositionalBankers::tens, 0, 9)),
                         Named("个位", Digits("units", &PositionalBankers::units, 0, 9)),
                         Named("出几个", Digits("counts", &PositionalBankers::counts, 0, 3)),
                     })),
        Named("断组", Text("broken_groups", &In::broken_groups)),
        Named("杀和尾", Digits("kill_sum_tails", &In::kill_sum_tails, 0, 9)),
        Named("杀跨度", Digits("kill_spans", &In::kill_spans, 0, 9)),
        Named("胆码", Digits("bankers", &In::bankers, 0, 9)),
        Named("至少出胆个数",
              Choice("bankers_at_least", &In::bankers_at_least, {{"1", 1}, {"2", 2}, {"3", 3}})),
        Named("杀指定和值", Integers("kill_sums", &In::kill_sums, 0, 27)),
        Named("排除复式", DigitRows("exclude_compound", &In::exclude_compound, "百 十 个")),
        Named("定位杀", DigitRows("position_kill", &In::position_kill, "百 十 个")),
        Named("定位杀的容错", Range("position_kill_tolerance", &In::position_kill_tolerance)),
        Named("胆组", BankerRows("banker_rows", &In::banker_rows, 3, "four")),
        Named("胆码计重", Flag("banker_count_repeats", &In::banker_count_repeats)),
        Named("胆组容错", Range("banker_tolerance", &In::banker_tolerance)),
        Named("杀形态",
              Object("kill_shapes", &In::kill_shapes,
                     FieldTable<KillShapes>{
                         Named("大小", Captions("big_small", &KillShapes::big_small,
                                                Offered(three::kBigSmallShapeCaptions))),
                         Named("奇偶", Captions("odd_even", &KillShapes::odd_even,
                                                Offered(three::kOddEvenShapeCaptions))),
                         Named("质合", Captions("prime_composite", &KillShapes::prime_composite,
                                                Offered(three::kPrimeCompositeShapeCaptions))),
                     })),
        Named("杀形态的容错", Range("kill_shapes_tolerance", &In::kill_shapes_tolerance)),
        Named("最大号码", Text("largest_digits", &In::largest_digits)),
        Named("最小号码", Text("smallest_digits", &In::smallest_digits)),
        Named("保留个数", Object("keep_counts", &In::keep_counts,
                                 FieldTable<KeepCounts>{
                                     Named("大号个数", Digits("big", &KeepCounts::big, 0, 3)),
                                     Named("奇号个数", Digits("odd", &KeepCounts::odd, 0, 3)),
                                     Named("质号个数", Digits("prime", &KeepCounts::prime, 0, 3)),
                                 })),
        Named("排除012路",
              Captions("exclude_routes", &In::exclude_routes, Offered(three::kRouteCaptions))),
        Named("特殊排除", Captions("special_exclusions", &In::special_exclusions,
                                   Offered(three::kSpecialExclusionCaptions))),
        Named("大底号码", Text("base_set", &In::base_set)),
        Named("直选/组选", Flag("base_set_group", &In::base_set_group)),
        Named("必有直选号", Text("must_keep", &In::must_keep)),
        Named("总容错", Range("total_tolerance", &In::total_tolerance)),
    };
    return fields;
}

} // namespace sorvanta::scheme
