#pragma once

#include "common/mode.hpp"
#include "history/backtest.hpp"
#include "history/draw_history.hpp"

#include <array>
#include <optional>
#include <string>
#include <string_view>

namespace sorvanta::history {

struct ExtractionResult {
    bool ran = false;
    // What element 4 shows afterwards: N as it was used; unset when the
    // extraction stopped before reading it.
    std::optional<std::string> drawCountText;
    std::string numbers; // T_cs_ip 6: distinct numbers, ascending, fixed width
    int count = 0;       // L_zs 1
};

// "开始提取": the numbers that the selected positions of the N most recent
// stored draws formed, each once, ascending, with leading zeros. N is read
// from the box by the leading-number rule, raised to 1 and capped at
// RowsOfLine(HistoryLine) once a line is known. Nothing runs without a
// position or without a draw in row 1; rows past the stored draws add
// nothing.
ExtractionResult ExtractPastNumbers(const PositionSelection& positions,
                                    std::string_view drawCountText, const HistoryState& state);

// The selectors a mode switch presets, C_wz elements 0 to 9 (verification
// then extraction): both groups on the last N positions for an N-star mode,
// 万 never.
std::array<bool, 10> ModePositions(Mode mode);

// "算胆": the digits-only text goes back into the input box; four digits
// give the sum-tail entry of "0369=1470=...=9258", anything else the
// message.
inline constexpr std::string_view kBankerErrorTitle = "温馨提示";
inline constexpr std::string_view kBankerErrorText = "输入必须是4位数字";

struct BankerResult {
    bool ok = false;
    std::string digits;  // written back into T_cs_ip 1
    std::string bankers; // T_cs_ip 2: four digits when ok, else empty
};

BankerResult SumTailBankers(std::string_view drawText);

} // namespace sorvanta::history
