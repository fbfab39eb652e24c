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
    if (input.base_set_group)
        detail::MarkGroupsIn(text, members); // 组选: every ordering of a listed number
    else
        ForEachNumber(text, 3, [&](int n) { members[n] = 1; });
}

void ApplyMustKeep(const ThreeStarInput& input, ThreeStarTable& table) {
    ForEachNumber(detail::BoxText(input.must_keep), 3, [&](int n) {
        table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kList) = 1;
        table.at(n, ThreeStarTable::kList) = 1;
    });
}

} // namespace sorvanta::three
