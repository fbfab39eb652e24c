#include "reset/clear_table.hpp"
#include "reset/condition_reset.hpp"

#include "engine23/three_star_captions.hpp"

namespace sorvanta::ui {

namespace {

using B = Becomes;

// One row per run of elements a C_3x_cls code touches, in the order they
// change.
constexpr ClearRow kClearRows[] = {
    {0, "C_3x_sha", 0, 9, B::Grey},
    {1, "C_3x_sha", 10, 19, B::Grey},
    {2, "C_3x_chu", 0, 9, B::Grey},
    {2, "Op_3x_danma_chu", 0, 0, B::Checked},
    {3, "C_3x_sha", 20, 47, B::Grey},
    {4, "C_3x_sha", 48, 57, B::Grey},
    {5, "C_3x_sha", 58, 67, B::Grey},
    {6, "C_3x_sha", 68, 77, B::Grey},
    {7, "C_3x_sha", 78, 87, B::Grey},
    {8, "C_3x_sha", 88, 97, B::Grey},
    {9, "C_3x_sha", 98, 107, B::Grey},
    {10, "C_3x_chu", 10, 19, B::Grey},
    {10, "C_3x_chu", 50, 53, B::Grey},
    {11, "C_3x_chu", 20, 29, B::Grey},
    {11, "C_3x_chu", 54, 57, B::Grey},
    {12, "C_3x_chu", 30, 39, B::Grey},
    {12, "C_3x_chu", 58, 61, B::Grey},
    {13, "C_3x_chu", 40, 49, B::Grey},
    {13, "C_3x_chu", 62, 65, B::Grey},
    {14, "C_3x_sha", 108, 131, B::Grey},
    {15, "C_3x_chu", 66, 77, B::Grey},
    {16, "C_3x_sha", 132, 141, B::Grey},
    {17, "C_3x_sha", 142, 168, B::Grey},
    {18, "T_3x_ip", 1, 2, B::Empty},
    {19, "T_3x_ip", 10, 10, B::Empty},
    {19, "T_3x_ip", 12, 12, B::Empty},
    {19, "Lzhushu", 2, 2, B::Text, "0"},
    {20, "T_3x_ip", 11, 12, B::Empty},
    {20, "Lzhushu", 2, 2, B::Text, "0"},
    {21, "C_3x_chu", 78, 111, B::Grey},
    {22, "C_3x_chu", 112, 131, B::Grey},
    // The 清 of the 杀垃圾复式 and 杀2码组合 pages: the page's box and its
    // range, as the whole-panel reset leaves them.
    {37, "T_3x_ip", 7, 7, B::Hint},
    {37, "ucf_rc", 8, 8, B::RangeZero},
    {38, "T_3x_ip", 8, 8, B::Hint},
    {38, "ucf_rc", 9, 9, B::RangeZero},
};

constexpr ClearRow kSelectAllRows[] = {
    {0, "C_3x_sha", 48, 57, B::Yellow},  {1, "C_3x_sha", 58, 67, B::Yellow},
    {2, "C_3x_sha", 68, 77, B::Yellow},  {3, "C_3x_chu", 10, 19, B::Green},
    {3, "C_3x_chu", 50, 53, B::Green},   {4, "C_3x_chu", 20, 29, B::Green},
    {4, "C_3x_chu", 54, 57, B::Green},   {5, "C_3x_chu", 30, 39, B::Green},
    {5, "C_3x_chu", 58, 61, B::Green},   {6, "C_3x_chu", 40, 49, B::Green},
    {6, "C_3x_chu", 62, 65, B::Green},   {7, "C_3x_chu", 78, 111, B::Green},
    {8, "C_3x_chu", 112, 131, B::Green},
};

// What "清空所有条件" puts back beyond the conditions: the tools' boxes (the
// scratch box T_3x_ip 20 is kept), the position-match rule being put
// together, the result and the win check.
constexpr ClearRow kToolRows[] = {
    {-1, "T_3x_ip", 5, 5, B::Empty},
    {-1, "T_3x_ip", 6, 6, B::Hint},
    {-1, "T_3x_ip", 10, 12, B::Empty},
    {-1, "Lzhushu", 2, 2, B::Text, "0"},
    {-1, "Cb_rc", 2, 2, B::Text, three::kDefaultMatchLeft.data()},
    {-1, "Cb_rc", 3, 3, B::Text, three::kDefaultMatchComparison.data()},
    {-1, "Cb_rc", 4, 4, B::Text, three::kDefaultMatchRight.data()},
    {-1, "T_dd", 0, 0, B::Empty},
    {-1, "Lzhushu", 0, 0, B::Text, "0"},
    {-1, "T_duijiang", 0, 0, B::Empty},
};

} // namespace

void ResetThreeStarGroup(const ControlRegistry& controls, int code) {
    RunClearCode(controls, kClearRows, code);
}

void SelectAllThreeStar(const ControlRegistry& controls, int code) {
    RunClearCode(controls, kSelectAllRows, code);
}

void ResetThreeStarTools(const ControlRegistry& controls) {
    RunClearRows(controls, kToolRows);
}

} // namespace sorvanta::ui
