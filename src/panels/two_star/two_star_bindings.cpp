// Which control holds which two-star field: one row a field, named as the
// scheme names it.
#include "panels/two_star/two_star_bindings.hpp"

#include "shell/colour_button.hpp"

#include <charconv>
#include <string>
#include <type_traits>

namespace sorvanta::ui {

namespace {

using two::TwoStarInput;
using In = TwoStarInput;

// The panel's digit rows run both ways, so a button stands for the number
// its caption reads, never for its place in the row. Any colour but grey is
// chosen, whoever set it; writing paints `colour`.
template <class Bits> Bits ValuesOf(const CaptionSet& captions) {
    Bits values;
    for (const std::string& caption : captions) {
        int v = -1;
        std::from_chars(caption.data(), caption.data() + caption.size(), v);
        if (v >= 0 && static_cast<std::size_t>(v) < values.size())
            values.set(static_cast<std::size_t>(v));
    }
    return values;
}

template <std::size_t N> CaptionSet CaptionsOf(const std::bitset<N>& values) {
    CaptionSet captions;
    for (std::size_t v = 0; v < N; ++v)
        if (values.test(v))
            captions.insert(std::to_string(v));
    return captions;
}

template <class Get>
Binding<In> ValueRow(std::string field, Get get, const char* array, int first, int last,
                     int colour) {
    return {std::move(field),
            [=](const ControlRegistry& c, In& in) {
                auto& values = get(in);
                values = ValuesOf<std::decay_t<decltype(values)>>(
                    ReadCaptions(c, QString::fromLatin1(array), first, last, 0));
            },
            [=](const ControlRegistry& c, In& in) {
                WriteCaptions(c, QString::fromLatin1(array), first, last, CaptionsOf(get(in)),
                              colour);
            }};
}

// Caption buttons: chosen is any colour but grey, as for the digit rows.
template <class Get> Binding<In> YellowCaptionRow(std::string field, Get get, int first, int last) {
    return {std::move(field),
            [=](const ControlRegistry& c, In& in) {
                get(in) = ReadCaptions(c, QStringLiteral("C_3x_sha"), first, last, 0);
            },
            [=](const ControlRegistry& c, In& in) {
                WriteCaptions(c, QStringLiteral("C_3x_sha"), first, last, get(in), Colour::Yellow);
            }};
}

Bindings<In> Build() {
    // Banker row r: digits and counts, each a block of C_3x_chu.
    constexpr int kDigits[3][2] = {{132, 141}, {148, 157}, {161, 170}};
    constexpr int kCounts[3][2] = {{142, 144}, {145, 147}, {158, 160}};
    Bindings<In> rows;
    for (std::size_t r = 0; r < 3; ++r) {
        rows.push_back(ValueRow(
            Indexed("banker_rows", r, "digits"),
            [r](auto& in) -> auto& { return in.banker_rows[r].digits; }, "C_3x_chu", kDigits[r][0],
            kDigits[r][1], Colour::On));
        rows.push_back(ValueRow(
            Indexed("banker_rows", r, "counts"),
            [r](auto& in) -> auto& { return in.banker_rows[r].counts; }, "C_3x_chu", kCounts[r][0],
            kCounts[r][1], Colour::On));
    }
    const Bindings<In> rest = {
        CheckedRow<In>("banker_count_repeats", F<&In::banker_count_repeats>(), "Check_2x3x", 1),
        RangeRow<In>("banker_tolerance", F<&In::banker_tolerance>(), 12),
        ValueRow("kill_spans", F<&In::kill_spans>(), "C_3x_sha", 169, 178, Colour::Yellow),
        ValueRow("kill_sums", F<&In::kill_sums>(), "C_3x_sha", 179, 197, Colour::Yellow),
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    for (std::size_t r = 0; r < 2; ++r) {
        const int offset = 10 * static_cast<int>(r);
        rows.push_back(ValueRow(
            Indexed("position_kill", r), [r](auto& in) -> auto& { return in.position_kill[r]; },
            "C_3x_sha", 198 + offset, 207 + offset, Colour::Yellow));
    }
    rows.push_back(RangeRow<In>("position_kill_tolerance", F<&In::position_kill_tolerance>(), 13));
    for (std::size_t r = 0; r < 2; ++r) {
        const int offset = 10 * static_cast<int>(r);
        rows.push_back(ValueRow(
            Indexed("compound_exclusion", r),
            [r](auto& in) -> auto& { return in.compound_exclusion[r]; }, "C_3x_sha", 218 + offset,
            227 + offset, Colour::Yellow));
    }
    const Bindings<In> shapes = {
        YellowCaptionRow(
            "shapes.big_small", [](auto& in) -> auto& { return in.shapes.big_small; }, 238, 241),
        YellowCaptionRow(
            "shapes.odd_even", [](auto& in) -> auto& { return in.shapes.odd_even; }, 242, 245),
        YellowCaptionRow(
            "shapes.prime_composite", [](auto& in) -> auto& { return in.shapes.prime_composite; },
            246, 249),
        YellowCaptionRow(
            "shapes.route012", [](auto& in) -> auto& { return in.shapes.route012; }, 250, 258),
        RangeRow<In>("shapes_tolerance", F<&In::shapes_tolerance>(), 14),
        YellowCaptionRow("special_shapes", F<&In::special_shapes>(), 259, 263),
        RangeRow<In>("special_shapes_tolerance", F<&In::special_shapes_tolerance>(), 15),
        TextRow<In>("kill_list", F<&In::kill_list>(), "T_3x_ip", 23,
                    {QString::fromUtf8(two::kKillListHint.data(), two::kKillListHint.size())}),
        TextRow<In>("base_set", F<&In::base_set>(), "T_3x_ip", 22,
                    {QString::fromUtf8(two::kBaseSetHint.data(), two::kBaseSetHint.size())}),
        RangeRow<In>("total_tolerance", F<&In::total_tolerance>(), 16),
    };
    rows.insert(rows.end(), shapes.begin(), shapes.end());
    return rows;
}

} // namespace

const Bindings<TwoStarInput>& TwoStarBindings() {
    static const Bindings<TwoStarInput> rows = Build();
    return rows;
}

} // namespace sorvanta::ui
