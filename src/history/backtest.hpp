#pragma once

#include "history/draw_history.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace sorvanta::history {

// The grey of a position button that is not selected; any other colour
// counts as selected.
inline constexpr int kPositionOff = 14737632;
inline constexpr int kPositionOn = 65280;

// The five draw positions, 万 千 百 十 个 (index 0 to 4).
inline constexpr std::string_view kPositionNames[5] = {"万", "千", "百", "十", "个"};

// One group of position buttons read into the table both tools use: entries
// 1 to 5 are 1 for a selected position (万 to 个), entry 10 the number of
// selected positions; the others stay 0.
struct PositionSelection {
    std::array<int, 11> entries{};

    bool Selected(int position) const { return entries[static_cast<std::size_t>(position) + 1]; }
    int Count() const { return entries[10]; }
    // The digits of a draw text at the selected positions, 万 first.
    std::string KeyOf(std::string_view draw) const;
};

// The back colours of one group's five buttons, in the order 万 千 百 十 个.
PositionSelection ReadPositionSelection(const std::array<int, 5>& buttonColours);
PositionSelection SelectionOf(const std::array<bool, 5>& selected);
// A text of position characters, each at most once, in any order
// ("千百十个"); nullopt for an empty text, a repeat or any other character.
std::optional<PositionSelection> PositionsFromText(std::string_view text);
// The last `count` positions counted from the units end (2: 十 个); 5 or
// more gives all five.
std::array<bool, 5> LastPositions(int count);

// The four result captions, Label8 elements 12 to 15.
using BacktestCaptions = std::array<std::string, 4>;
inline const BacktestCaptions kBacktestPlaceholders = {"近5000期命中*", "近100期命中*",
                                                       "近5000期最大连中*", "最大连挂*"};

struct BacktestResult {
    BacktestCaptions captions = kBacktestPlaceholders;
    bool ran = false;      // the list and positions were usable and draws were checked
    std::string hitString; // '1' per hit, '*' per miss, latest draw first
};

// The verification of "开始验证": re-creates the marks, then, when positions
// are selected and the box's first number has as many digits, marks every
// stored draw of the first RowsOfLine(HistoryLine) rows "中" when the digits
// at the positions occur anywhere in the box's text, "**" otherwise. Rows
// without a draw get no mark and count nowhere. The captions carry the
// figures on line 1 and 2 and keep their placeholders before any collection.
BacktestResult RunBacktest(std::string_view verifyBoxText, const PositionSelection& positions,
                           HistoryState& state);

// The length of the longest piece of `text` split at every `separator`
// (0 for an empty text).
int LongestRun(std::string_view text, std::string_view separator);

// What "粘贴" does with the clipboard's text: the digits-only list goes
// into the verification box when all its numbers have one length m, and the
// last m positions are chosen; otherwise the message is shown and the box
// stays empty.
inline constexpr std::string_view kPasteErrorTitle = "提示";
inline constexpr std::string_view kPasteErrorText = "你输入的大底数据有误";

struct PasteResult {
    bool ok = false;
    std::string text;                // for the verification box (T_cs_ip 5)
    int count = 0;                   // for L_zs 0, repeats counted
    std::array<bool, 5> positions{}; // C_wz 0 to 4 green when ok
};

PasteResult PasteToVerification(std::string_view clipboardText);

} // namespace sorvanta::history
