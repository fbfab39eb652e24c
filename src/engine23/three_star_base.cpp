// The list steps after the condition groups: the base set (大底号码)
// in column 99 and the must-keep list (必有直选号) in column 100, each with its
// in-use note in row 1000. Neither takes a fail-mark column.

#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <string>

namespace sorvanta::three {

void ApplyThreeStarBaseSet(const ThreeStarInput& input, ThreeStarTable& table) {
    const std::string_view text = detail::BoxText(input.base_set);
    if (!star::DigitsOnlyLengthAtLeast(text, 3))
        return;
    // In force from three cleaned characters on, even when no piece has
    // three digits (then it is empty and nothing survives, 组选 as well).
    std::int32_t* members = table.Column(ThreeStarTable::kBaseSet);
    members[ThreeStarTable::kNotesRow] = 1;
    ForEachNumber(text, 3, [&](int n) {
        if (!input.base_set_group) {
            members[n] = 1;
            return;
        }
        const int x = n / 100, y = n / 10 % 10, z = n % 10;
        for (int v : {x * 100 + y * 10 + z, x * 100 + z * 10 + y, y * 100 + x * 10 + z,
                      y * 100 + z * 10 + x, z * 100 + x * 10 + y, z * 100 + y * 10 + x})
            members[v] = 1;
    });
}

void ApplyMustKeep(const ThreeStarInput& input, ThreeStarTable& table) {
    ForEachNumber(detail::BoxText(input.must_keep), 3, [&](int n) {
        table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kList) = 1;
        table.at(n, ThreeStarTable::kList) = 1;
    });
}

} // namespace sorvanta::three
