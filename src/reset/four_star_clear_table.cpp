#include "reset/clear_table.hpp"
#include "reset/condition_reset.hpp"

#include "engine4/four_star_input.hpp"

#include <array>
#include <iterator>

namespace sorvanta::ui {

namespace {

using B = Becomes;

// One row per run of elements a C_cls code touches, in the order they
// change.
constexpr ClearRow kFourStarRows[] = {
    {0, "Check_hewei_sha1", 0, 9, B::Unchecked},
    {1, "Check_hewei_sha1", 10, 19, B::Unchecked},
    {2, "Check_hewei_sha1", 20, 29, B::Unchecked},
    {3, "Check_hewei_sha1", 30, 39, B::Unchecked},
    {4, "Check_hewei_sha", 0, 9, B::Unchecked},
    {5, "T_cs_ip", 0, 0, B::Empty},
    {6, "Check_kuadu_sha", 0, 9, B::Unchecked},
    {7, "Check_tsm_sha", 0, 9, B::Unchecked},
    {8, "Check_ac_sha", 0, 5, B::Unchecked},
    {9, "C_danzu", 0, 9, B::Grey},
    {9, "C_danzu_gs", 0, 4, B::Grey},
    {10, "C_danzu", 10, 19, B::Grey},
    {10, "C_danzu_gs", 5, 9, B::Grey},
    {11, "C_danzu", 20, 29, B::Grey},
    {11, "C_danzu_gs", 10, 14, B::Grey},
    {12, "C_danzu", 30, 39, B::Grey},
    {12, "C_danzu_gs", 15, 19, B::Grey},
    {13, "C_danzu", 0, 9, B::Green},
    {14, "C_danzu", 10, 19, B::Green},
    {15, "C_danzu", 20, 29, B::Green},
    {16, "C_danzu", 30, 39, B::Green},
    {17, "C_bi", 0, 4, B::Green},
    {18, "C_bi", 5, 9, B::Green},
    {19, "C_bi", 10, 14, B::Green},
    {20, "C_bi", 0, 4, B::Grey},
    {21, "C_bi", 5, 9, B::Grey},
    {22, "C_bi", 10, 14, B::Grey},
    {23, "C_bi", 15, 20, B::Grey},
    {24, "T_jj", 0, 0, B::Empty},
    {25, "C_bi", 21, 36, B::Grey},
    {26, "T_jj", 1, 1, B::Empty},
    {27, "C_bi", 37, 52, B::Grey},
    {28, "T_cs_ip", 5, 5, B::Empty},
    {28, "L_zs", 0, 0, B::Text, "0"},
    {29, "C_bi", 53, 68, B::Grey},
    {30, "T_cs_ip", 6, 6, B::Empty},
    {30, "L_zs", 1, 1, B::Text, "0"},
    {31, "C_bi", 69, 149, B::Grey},
    {32, "C_max", 0, 17, B::Grey},
    {33, "T_ding", 1, 1, B::Empty},
    {33, "ucf_rc", 2, 2, B::RangeZero},
    {34, "ucf_ssc23x1", 0, 5, B::SpliceBoxesEmpty},
    {34, "Option_sx", 0, 0, B::Checked},
    {34, "ucf_rc", 5, 5, B::RangeZero},
    {35, "ucf_ssc23x1", 6, 9, B::SpliceBoxesEmpty},
    {35, "Option_sx", 2, 2, B::Checked},
    {35, "ucf_rc", 6, 6, B::RangeZero},
};

} // namespace

QString ClearButtonCaption(int code) {
    if (code >= 13 && code <= 19)
        return QStringLiteral("全");
    if (code == 34 || code == 35)
        return QStringLiteral("全清");
    return QStringLiteral("清");
}

void ResetConditionGroup(const ControlRegistry& controls, int code) {
    RunClearCode(controls, kFourStarRows, code);
}

bool ClearCodeRerunsVerification(int code) {
    return code == 28;
}

} // namespace sorvanta::ui
