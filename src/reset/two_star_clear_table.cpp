#include "reset/clear_table.hpp"
#include "reset/condition_reset.hpp"

#include "engine23/two_star_input.hpp"

namespace sorvanta::ui {

namespace {

using B = Becomes;

// C_3x_cls codes of the two-star panel, one row per run of elements. The
// banker rows are cleared bottom row first: code 34 is row 3. Codes 23 to 26
// have no button and no box of this panel: the boxes they once emptied are
// the three-star panel's, whose typing a two-star clear must never lose.
constexpr ClearRow kClearRows[] = {
    {27, "C_3x_sha", 179, 197, B::Grey}, {28, "C_3x_sha", 198, 207, B::Grey},
    {29, "C_3x_sha", 208, 217, B::Grey}, {30, "C_3x_sha", 218, 237, B::Grey},
    {31, "C_3x_sha", 169, 178, B::Grey}, {32, "C_3x_sha", 238, 249, B::Grey},
    {33, "C_3x_sha", 250, 258, B::Grey}, {34, "C_3x_chu", 158, 170, B::Grey},
    {35, "C_3x_chu", 145, 157, B::Grey}, {36, "C_3x_chu", 132, 144, B::Grey},
};

// C_3x_all codes: a banker row with its counts, or both compound rows.
constexpr ClearRow kSelectAllRows[] = {
    {9, "C_3x_chu", 132, 144, B::Green},
    {10, "C_3x_chu", 145, 157, B::Green},
    {11, "C_3x_chu", 158, 170, B::Green},
    {12, "C_3x_sha", 218, 237, B::Yellow},
};

} // namespace

void ClearTwoStarGroup(const ControlRegistry& controls, int code) {
    RunClearCode(controls, kClearRows, code);
}

void SelectAllTwoStarGroup(const ControlRegistry& controls, int code) {
    RunClearCode(controls, kSelectAllRows, code);
}

} // namespace sorvanta::ui
