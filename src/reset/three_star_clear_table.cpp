#include "reset/clear_table.hpp"
#include "reset/condition_reset.hpp"

#include "engine23/three_star_captions.hpp"
#include "reset/three_star_blocks.hpp"

#include <array>
#include <string_view>

namespace sorvanta::ui {

namespace {

using B = Becomes;

// The run of buttons of a field's block, or of the blocks from `field` to
// `lastField` where they sit side by side, as the block table places them.
constexpr ClearRow Blocks(int code, std::string_view field, Becomes becomes,
                          std::string_view lastField = {}) {
    const ButtonBlock& block = BlockOf(field);
    return {code, block.array.data(), block.first,
            LastOf(BlockOf(lastField.empty() ? field : lastField)), becomes};
}

// Every block greyed by its own 清 code, as the block table says.
constexpr auto kBlockClearRows = [] {
    std::array<ClearRow, kThreeStarBlocks.size()> rows{};
    for (std::size_t i = 0; i < rows.size(); ++i)
        rows[i] = Blocks(kThreeStarBlocks[i].clear, kThreeStarBlocks[i].field, B::Grey);
    return rows;
}();

// The rows of the C_3x_cls codes beyond the blocks, run after them.
constexpr ClearRow kClearRows[] = {
    {2, "Op_3x_danma_chu", 0, 0, B::Checked},
    {18, "T_3x_ip", 1, 2, B::Empty},
    {19, "T_3x_ip", 10, 10, B::Empty},
    {19, "T_3x_ip", 12, 12, B::Empty},
    {19, "Lzhushu", 2, 2, B::Text, "0"},
    {20, "T_3x_ip", 11, 12, B::Empty},
    {20, "Lzhushu", 2, 2, B::Text, "0"},
    // The 清 of the 杀垃圾复式 and 杀2码组合 pages: the page's box and its
    // range, as the whole-panel reset leaves them.
    {37, "T_3x_ip", 7, 7, B::Hint},
    {37, "ucf_rc", 8, 8, B::RangeZero},
    {38, "T_3x_ip", 8, 8, B::Hint},
    {38, "ucf_rc", 9, 9, B::RangeZero},
};

constexpr ClearRow kSelectAllRows[] = {
    Blocks(0, "exclude_compound[0]", B::Yellow),
    Blocks(1, "exclude_compound[1]", B::Yellow),
    Blocks(2, "exclude_compound[2]", B::Yellow),
    Blocks(3, "banker_rows[0].digits", B::Green),
    Blocks(3, "banker_rows[0].counts", B::Green),
    Blocks(4, "banker_rows[1].digits", B::Green),
    Blocks(4, "banker_rows[1].counts", B::Green),
    Blocks(5, "banker_rows[2].digits", B::Green),
    Blocks(5, "banker_rows[2].counts", B::Green),
    Blocks(6, "banker_rows[3].digits", B::Green),
    Blocks(6, "banker_rows[3].counts", B::Green),
    Blocks(7, "positional_bankers.hundreds", B::Green, "positional_bankers.counts"),
    Blocks(8, "any_two_sum_tails", B::Green, "any_two_diffs"),
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
    RunClearCode(controls, kBlockClearRows, code);
    RunClearCode(controls, kClearRows, code);
}

void SelectAllThreeStar(const ControlRegistry& controls, int code) {
    RunClearCode(controls, kSelectAllRows, code);
}

void ResetThreeStarTools(const ControlRegistry& controls) {
    RunClearRows(controls, kToolRows);
}

} // namespace sorvanta::ui
