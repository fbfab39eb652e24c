// Draw files, downloads and trend pages as they arrive: the reader must never
// crash, and what it returns must be what the backtest and the store rely
// on (five-digit draws, one per period, latest first, valid UTF-8 text).
#include "history/backtest.hpp"
#include "history/draw_text.hpp"
#include "history/extraction.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <set>
#include <string_view>

using namespace sorvanta::history;

namespace {

void Require(bool condition) {
    if (!condition)
        std::abort();
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    Require(IsValidUtf8(DecodeDrawBytes(bytes)));

    const DrawTextRead read = ReadDrawText(bytes);
    Require(read.ok || read.draws.empty());
    std::set<std::string_view> periods;
    for (std::size_t i = 0; i < read.draws.size(); ++i) {
        const Draw& draw = read.draws[i];
        Require(draw.number.size() == 5 && ReadDrawLine(draw.period + " " + draw.number).ok);
        Require(periods.insert(draw.period).second);
        if (i > 0)
            Require(!LaterPeriod(draw.period, read.draws[i - 1].period));
    }

    // The same bytes as a verification list against the draws they gave.
    HistoryState state;
    FillHistory(state, DataLine::One, read.draws);
    const BacktestResult result = RunBacktest(bytes, *PositionsFromText("千百十个"), state);
    Require(result.hitString.size() <= read.draws.size());
    ExtractPastNumbers(*PositionsFromText("十个"), bytes, state);
    return 0;
}
