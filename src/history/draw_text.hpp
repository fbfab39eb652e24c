#pragma once

#include "common/gbk.hpp"
#include "common/text.hpp"
#include "history/draw_history.hpp"

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

namespace sorvanta::history {

// A read refuses texts past these, so a wrong file or a runaway download
// cannot stall the window.
inline constexpr std::size_t kMaxDrawTextBytes = 8u * 1024u * 1024u;
inline constexpr std::size_t kMaxDrawTextLines = 100000;

enum class TextEncoding { Utf8, Gbk };

// Bytes of a file, a download or a paste as UTF-8: a byte-order mark is
// dropped; text that is valid UTF-8 stays as it is, anything else is read
// as GBK.
std::string DecodeDrawBytes(std::string_view bytes, TextEncoding* detected = nullptr);

using sorvanta::DecodeGbk;
using sorvanta::IsValidUtf8;

struct DrawLineRead {
    bool ok = false; // the line has a period and a draw after it
    std::string period;
    std::string number;
};

// One line of draw text: tokens are the runs of ASCII digits, '-' and ':';
// the period is the first token of 6 to 14 digits with an optional '-' and
// 1 to 4 digits; the draw is the first five-digit token after it or the
// first five one-digit tokens in a row after it.
DrawLineRead ReadDrawLine(std::string_view line);

// A period read from any spelling. A dated period (its date read as
// YYYYMMDD or YYMMDD from 2000 to 2099, then a serial) is compared by date
// and serial whatever its spelling; any other period is undated and compared
// by the number before the '-' and the one after it (none counts as -1).
// Every dated period is later than every undated one.
struct PeriodKey {
    bool dated = false;
    long long major = 0;  // dated: the date as YYYYMMDD
    long long minor = -1; // dated: the serial
    friend bool operator==(const PeriodKey&, const PeriodKey&) = default;
};
PeriodKey KeyOfPeriod(std::string_view period);
// A dated period as YYYYMMDD-NNN (the serial to at least three digits);
// an undated one exactly as written.
std::string CanonicalPeriod(std::string_view period);
// a is later than b; two undated spellings of one value are told apart by
// their text, so the order is total.
bool LaterPeriod(std::string_view a, std::string_view b);
bool LaterKey(const PeriodKey& a, const PeriodKey& b);

// The local date of the machine as YYYYMMDD.
int LocalToday();

struct DrawTextRead {
    bool ok = false;
    std::string error;       // why the read failed, one line, for the strip
    std::vector<Draw> draws; // latest first, one per period
    int skipped = 0;         // lines without a period or a draw, repeats and future periods
    int future = 0;          // of those skipped: dated more than a day after today
    TextEncoding encoding = TextEncoding::Utf8;
};

// Reads a whole draw file, download or page: the one call a history source
// needs for an HTTP body or a file's bytes. A page with <tr> rows is read
// row by row, a JSON text one object or array per line, anything else line
// by line; empty lines and lines starting with '#' are neither read nor
// counted. Periods come out canonical; `today` (YYYYMMDD, 0 for the
// machine's local date) decides which dated periods lie in the future.
DrawTextRead ReadDrawText(std::string_view bytes, int today = 0);

// The strip's line after an import: "导入N期，跳过M行".
std::string ImportSummary(const DrawTextRead& read);

} // namespace sorvanta::history
