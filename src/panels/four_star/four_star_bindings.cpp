// Which control holds which four-star field: one row a field, named as the
// scheme names it.
#include "panels/four_star/four_star_bindings.hpp"

#include "shell/colour_button.hpp"

#include <string>

namespace sorvanta::ui {

namespace {

using four::FourStarInput;
using In = FourStarInput;

// T_ding 1..6 start with the hint between two line breaks; a reset puts
// it back with the first break only.
template <class Get> Binding<In> Ding(std::string field, Get get, int index) {
    return TextRow<In>(
        std::move(field), get, "T_ding", index,
        {QString::fromUtf8(four::kDingHint), QString::fromUtf8(four::kDingResetHint)});
}

Bindings<In> Build() {
    Bindings<In> rows = {
        TextRow<In>("kill_direct", F<&In::kill_direct>(), "T_ding", 0),
        Ding("junk_compounds", F<&In::junk_compounds>(), 1),
        RangeRow<In>("junk_compounds_tolerance", F<&In::junk_compounds_tolerance>(), 2),
        Ding("kill_pairs", F<&In::kill_pairs>(), 2),
        RangeRow<In>("kill_pairs_tolerance", F<&In::kill_pairs_tolerance>(), 3),
        Ding("require_pairs", F<&In::require_pairs>(), 3),
        Ding("kill_triples", F<&In::kill_triples>(), 4),
        RangeRow<In>("kill_triples_tolerance", F<&In::kill_triples_tolerance>(), 4),
        Ding("require_triples", F<&In::require_triples>(), 5),
        Ding("kill_patterns", F<&In::kill_patterns>(), 6),
    };
    for (std::size_t r = 0; r < 4; ++r)
        rows.push_back(CheckRow<In>(
            Indexed("position_kill", r), [r](auto& in) -> auto& { return in.position_kill[r]; },
            "Check_hewei_sha1", static_cast<int>(10 * r), 10));
    const Bindings<In> digitKills = {
        ListRangeRow<In>("position_kill_tolerance", F<&In::position_kill_tolerance>(), 0, 1),
        CheckRow<In>("kill_sum_tails", F<&In::kill_sum_tails>(), "Check_hewei_sha", 0, 10),
        TextRow<In>("kill_sums", F<&In::kill_sums>(), "T_cs_ip", 0,
                    {QString::fromUtf8(four::kSumHint)}),
        CheckRow<In>("kill_spans", F<&In::kill_spans>(), "Check_kuadu_sha", 0, 10),
        CheckRow<In>("kill_all_digits", F<&In::kill_all_digits>(), "Check_tsm_sha", 0, 10),
        CheckRow<In>("kill_ac", F<&In::kill_ac>(), "Check_ac_sha", 0, 6, 1),
    };
    rows.insert(rows.end(), digitKills.begin(), digitKills.end());
    for (std::size_t r = 0; r < 4; ++r) {
        const int row = static_cast<int>(r);
        rows.push_back(ColourRow<In>(
            Indexed("banker_rows", r, "digits"),
            [r](auto& in) -> auto& { return in.banker_rows[r].digits; }, "C_danzu", 10 * row, 10,
            Colour::On));
        rows.push_back(ColourRow<In>(
            Indexed("banker_rows", r, "counts"),
            [r](auto& in) -> auto& { return in.banker_rows[r].counts; }, "C_danzu_gs", 5 * row, 5,
            Colour::On));
    }
    const Bindings<In> rest = {
        CheckedRow<In>("banker_count_repeats", F<&In::banker_count_repeats>(), "Check_dm_jchong"),
        ListRangeRow<In>("banker_tolerance", F<&In::banker_tolerance>(), 2, 3),
        CaptionRow<In>("ratio_big_small", F<&In::ratio_big_small>(), "C_bi", 0, 4, Colour::On),
        CaptionRow<In>("ratio_odd_even", F<&In::ratio_odd_even>(), "C_bi", 5, 9, Colour::On),
        CaptionRow<In>("ratio_prime_composite", F<&In::ratio_prime_composite>(), "C_bi", 10, 14,
                       Colour::On),
        RangeRow<In>("ratio_tolerance", F<&In::ratio_tolerance>(), 1),
        CaptionRow<In>("special_shapes", F<&In::special_shapes>(), "C_bi", 15, 20, Colour::Yellow),
        CaptionRow<In>("pattern_big_small", F<&In::pattern_big_small>(), "C_bi", 21, 36,
                       Colour::Yellow),
        CaptionRow<In>("pattern_odd_even", F<&In::pattern_odd_even>(), "C_bi", 37, 52,
                       Colour::Yellow),
        CaptionRow<In>("pattern_prime_composite", F<&In::pattern_prime_composite>(), "C_bi", 53, 68,
                       Colour::Yellow),
        CaptionRow<In>("pattern_route012", F<&In::pattern_route012>(), "C_bi", 69, 149,
                       Colour::Yellow),
        RangeRow<In>("pattern_tolerance", F<&In::pattern_tolerance>(), 0),
        CaptionRow<In>("run_repeat", F<&In::run_repeat>(), "C_bi", 150, 158, Colour::Yellow),
        // Chosen is any colour but grey, whoever set it (0 as the colour).
        ColourRow<In>("smallest_digits", F<&In::smallest_digits>(), "C_max", 0, 9, 0),
        ColourRow<In>("largest_digits", F<&In::largest_digits>(), "C_max", 9, 9, 0, 1),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    for (std::size_t j = 0; j < 6; ++j)
        rows.push_back(TextRow<In>(
            Indexed("two_star_splice", j), [j](auto& in) -> auto& { return in.two_star_splice[j]; },
            "ucf_ssc23x1", static_cast<int>(j)));
    rows.push_back(
        OptionRow<In>("two_star_splice_mode", F<&In::two_star_splice_delete>(), "Option_sx", 0, 1));
    rows.push_back(
        RangeRow<In>("two_star_splice_tolerance", F<&In::two_star_splice_tolerance>(), 5));
    for (std::size_t j = 0; j < 4; ++j)
        rows.push_back(TextRow<In>(
            Indexed("three_star_splice", j),
            [j](auto& in) -> auto& { return in.three_star_splice[j]; }, "ucf_ssc23x1",
            static_cast<int>(6 + j)));
    rows.push_back(OptionRow<In>("three_star_splice_mode", F<&In::three_star_splice_delete>(),
                                 "Option_sx", 2, 3));
    rows.push_back(
        RangeRow<In>("three_star_splice_tolerance", F<&In::three_star_splice_tolerance>(), 6));
    rows.push_back(TextRow<In>("base_set", F<&In::base_set>(), "T_cs_ip", 3,
                               {QString::fromUtf8(four::kBaseSetHint)}));
    rows.push_back(ListRangeRow<In>("total_tolerance", F<&In::total_tolerance>(), 4, 5));
    return rows;
}

} // namespace

const Bindings<FourStarInput>& FourStarBindings() {
    static const Bindings<FourStarInput> rows = Build();
    return rows;
}

} // namespace sorvanta::ui
