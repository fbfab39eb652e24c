#include "reset/clear_table.hpp"
#include "reset/three_star_reset.hpp"

#include "engine23/star_text.hpp"
#include "engine23/three_star_captions.hpp"

namespace sorvanta::ui {

namespace {

using B = Becomes;

constexpr const char* kDoubleClick = star::kDoubleClickHint.data();
constexpr const char* kBaseSet = star::kBaseSetHint.data();
constexpr const char* kPairSum = three::kPairSumHint.data();

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
    {37, "T_3x_ip", 7, 7, B::Text, kDoubleClick},
    {37, "ucf_rc", 8, 8, B::RangeZero},
    {38, "T_3x_ip", 8, 8, B::Text, kDoubleClick},
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

// After the group codes: every box back to its hint (T_3x_ip 20, the
// scratch box, is kept), the lists to their starting texts, the ranges to
// 0 to 0, the result and the win check emptied.
constexpr ClearRow kPanelAfter[] = {
    {-1, "T_3x_ip", 0, 0, B::Text, kDoubleClick},
    {-1, "T_3x_ip", 1, 2, B::Empty},
    {-1, "T_3x_ip", 3, 3, B::Text, kBaseSet},
    {-1, "T_3x_ip", 4, 4, B::Text, kDoubleClick},
    {-1, "T_3x_ip", 5, 5, B::Empty},
    {-1, "T_3x_ip", 6, 6, B::Text, three::kBankersNotWorkedOut.data()},
    {-1, "T_3x_ip", 7, 9, B::Text, kDoubleClick},
    {-1, "T_3x_ip", 10, 12, B::Empty},
    {-1, "T_3x_ip", 13, 19, B::Text, kDoubleClick},
    {-1, "T_3x_ip", 21, 21, B::Text, kDoubleClick},
    {-1, "T_lm_he", 0, 14, B::Text, kPairSum},
    {-1, "Cb_rc", 0, 1, B::Text, "0"},
    {-1, "Cb_rc", 2, 2, B::Text, three::kDefaultMatchLeft.data()},
    {-1, "Cb_rc", 3, 3, B::Text, three::kDefaultMatchComparison.data()},
    {-1, "Cb_rc", 4, 4, B::Text, three::kDefaultMatchRight.data()},
    {-1, "ucf_rc", 17, 17, B::RangeZero},
    {-1, "ucf_rc", 7, 11, B::RangeZero},
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

void ResetThreeStarPanel(const ControlRegistry& controls) {
    for (int code = 0; code <= kLastThreeStarClearCode; ++code)
        ResetThreeStarGroup(controls, code);
    RunClearRows(controls, kPanelAfter);
}

} // namespace sorvanta::ui
