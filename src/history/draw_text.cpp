#include "history/draw_text.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <unordered_set>

namespace sorvanta::history {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}
bool IsTokenChar(char c) {
    return IsDigit(c) || c == '-' || c == ':';
}

bool AllDigits(std::string_view text) {
    return !text.empty() && std::all_of(text.begin(), text.end(), IsDigit);
}

bool IsPeriod(std::string_view token) {
    const std::size_t dash = token.find('-');
    const std::string_view head = token.substr(0, dash);
    if (head.size() < 6 || head.size() > 14 || !AllDigits(head))
        return false;
    if (dash == std::string_view::npos)
        return true;
    const std::string_view tail = token.substr(dash + 1);
    return tail.size() >= 1 && tail.size() <= 4 && AllDigits(tail);
}

// Blanks in front of a '#' still make a comment line; the full-width blank
// is what a Chinese editor puts there.
bool IsCommentOrEmpty(std::string_view line) {
    std::size_t i = 0;
    while (i < line.size()) {
        if (line[i] == ' ' || line[i] == '\t') {
            ++i;
        } else if (line.substr(i, 3) == "\xE3\x80\x80") {
            i += 3;
        } else {
            return line[i] == '#';
        }
    }
    return true;
}

char Lower(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

// Finds `tag` (lower case, e.g. "<tr") from `from` on, ignoring case, where
// the tag name ends there: "<tr>" and "<tr class=..>" match, "<track" does
// not.
std::size_t FindTag(std::string_view text, std::string_view tag, std::size_t from,
                    std::size_t limit = std::string_view::npos) {
    limit = std::min(limit, text.size());
    for (std::size_t i = from; i < limit && i + tag.size() <= text.size(); ++i) {
        if (text[i] != '<')
            continue;
        std::size_t k = 1;
        while (k < tag.size() && Lower(text[i + k]) == tag[k])
            ++k;
        if (k < tag.size())
            continue;
        if (i + k == text.size())
            return i;
        const char next = text[i + k];
        if (next == '>' || next == ' ' || next == '\t' || next == '\n' || next == '\r' ||
            next == '/')
            return i;
    }
    return std::string_view::npos;
}

// The text of one table row: tags become blanks so the cells stay apart,
// line breaks inside the row become blanks so the row is one line, and the
// four entities a trend page uses are decoded afterwards, so an escaped "<"
// can never open a tag.
std::string RowText(std::string_view row) {
    std::string plain;
    plain.reserve(row.size());
    bool inTag = false;
    for (char c : row) {
        if (inTag) {
            if (c == '>') {
                inTag = false;
                plain.push_back(' ');
            }
        } else if (c == '<') {
            inTag = true;
        } else if (c == '\n' || c == '\r') {
            plain.push_back(' ');
        } else {
            plain.push_back(c);
        }
    }
    std::string out;
    out.reserve(plain.size());
    static constexpr std::pair<std::string_view, char> kEntities[] = {
        {"&nbsp;", ' '}, {"&amp;", '&'}, {"&lt;", '<'}, {"&gt;", '>'}};
    for (std::size_t i = 0; i < plain.size();) {
        bool replaced = false;
        if (plain[i] == '&') {
            const std::string_view rest = std::string_view(plain).substr(i);
            for (const auto& [entity, ch] : kEntities) {
                if (rest.substr(0, entity.size()).size() == entity.size() &&
                    std::equal(entity.begin(), entity.end(), rest.begin(),
                               [](char a, char b) { return a == Lower(b); })) {
                    out.push_back(ch);
                    i += entity.size();
                    replaced = true;
                    break;
                }
            }
        }
        if (!replaced)
            out.push_back(plain[i++]);
    }
    return out;
}

// Calls fn(line) for each line of plain text; "\n", "\r\n" and "\r" all end
// a line. Returns false as soon as fn does.
template <typename Fn> bool ForEachLine(std::string_view text, Fn&& fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find_first_of("\r\n", start);
        if (end == std::string_view::npos)
            end = text.size();
        if (!fn(text.substr(start, end - start)))
            return false;
        if (end < text.size() && text[end] == '\r' && end + 1 < text.size() &&
            text[end + 1] == '\n')
            ++end;
        start = end + 1;
    }
    return true;
}

template <typename Fn> bool ForEachRow(std::string_view page, std::size_t first, Fn&& fn) {
    std::size_t at = first;
    while (at != std::string_view::npos) {
        const std::size_t open = page.find('>', at);
        if (open == std::string_view::npos)
            return true;
        const std::size_t nextRow = FindTag(page, "<tr", open);
        // A row left open ends where the next one starts; looking for its
        // end only up to there keeps a page without "</tr>" linear.
        const std::size_t end = FindTag(page, "</tr", open, nextRow);
        const std::size_t stop = end != std::string_view::npos       ? end
                                 : nextRow != std::string_view::npos ? nextRow
                                                                     : page.size();
        if (!fn(std::string_view(RowText(page.substr(open + 1, stop - open - 1)))))
            return false;
        at = nextRow;
    }
    return true;
}

// A JSON text as lines: every object and array is one line of its own
// string and number values, in the order the objects and arrays open. The
// parser hands integers over as values; JSON writes an integer without
// leading zeros or a '+', so printing the value gives back its text, and a
// number with a fraction or an exponent comes with its text as written.
class JsonLines : public nlohmann::json_sax<nlohmann::json> {
public:
    static constexpr int kMaxDepth = 64;

    std::vector<std::string> lines;

    bool null() override { return true; }
    bool boolean(bool) override { return true; }
    // Only a number written with a '-' comes here, so a zero was "-0".
    bool number_integer(number_integer_t value) override {
        return Add(value == 0 ? std::string("-0") : std::to_string(value));
    }
    bool number_unsigned(number_unsigned_t value) override { return Add(std::to_string(value)); }
    bool number_float(number_float_t, const string_t& text) override { return Add(text); }
    bool string(string_t& value) override { return Add(value); }
    bool binary(binary_t&) override { return true; }
    bool start_object(std::size_t) override { return Open(); }
    bool key(string_t&) override { return true; }
    bool end_object() override { return Close(); }
    bool start_array(std::size_t) override { return Open(); }
    bool end_array() override { return Close(); }
    bool parse_error(std::size_t, const std::string&, const nlohmann::detail::exception&) override {
        return false;
    }

private:
    bool Open() {
        if (open_.size() >= kMaxDepth || lines.size() >= kMaxDrawTextLines + 1)
            return false;
        open_.push_back(lines.size());
        lines.emplace_back();
        return true;
    }
    bool Close() {
        open_.pop_back();
        return true;
    }
    bool Add(const std::string& value) {
        if (open_.empty())
            return true; // a lone string or number is a line of nothing
        std::string& line = lines[open_.back()];
        if (!line.empty())
            line += ' ';
        line += value;
        return true;
    }

    std::vector<std::size_t> open_;
};

bool LooksLikeJson(std::string_view text) {
    const std::size_t first = text.find_first_not_of(" \t\r\n");
    return first != std::string_view::npos && (text[first] == '{' || text[first] == '[');
}

// The day count of a YYYYMMDD date, for "more than a day later".
long long DayNumber(long long yyyymmdd) {
    long long y = yyyymmdd / 10000;
    const long long m = yyyymmdd / 100 % 100;
    const long long d = yyyymmdd % 100;
    y -= m <= 2;
    const long long era = (y >= 0 ? y : y - 399) / 400;
    const long long yoe = y - era * 400;
    const long long doy = (153 * (m + (m > 2 ? -3 : 9)) + 2) / 5 + d - 1;
    const long long doe = yoe * 365 + yoe / 4 - yoe / 100 + doy;
    return era * 146097 + doe;
}

} // namespace

std::string DecodeDrawBytes(std::string_view bytes, TextEncoding* detected) {
    constexpr std::string_view kBom = "\xEF\xBB\xBF";
    if (bytes.substr(0, kBom.size()) == kBom)
        bytes.remove_prefix(kBom.size());
    if (IsValidUtf8(bytes)) {
        if (detected)
            *detected = TextEncoding::Utf8;
        return std::string(bytes);
    }
    if (detected)
        *detected = TextEncoding::Gbk;
    return DecodeGbk(bytes);
}

DrawLineRead ReadDrawLine(std::string_view line) {
    DrawLineRead read;
    std::string_view pending[5];
    int singles = 0; // one-digit tokens in a row since the period
    std::size_t i = 0;
    while (i < line.size()) {
        if (!IsTokenChar(line[i])) {
            ++i;
            continue;
        }
        std::size_t end = i;
        while (end < line.size() && IsTokenChar(line[end]))
            ++end;
        const std::string_view token = line.substr(i, end - i);
        i = end;
        if (read.period.empty()) {
            if (IsPeriod(token))
                read.period = std::string(token);
            continue;
        }
        if (token.size() == 5 && AllDigits(token)) {
            read.number = std::string(token);
            read.ok = true;
            return read;
        }
        if (token.size() == 1 && IsDigit(token[0])) {
            pending[singles++] = token;
            if (singles == 5) {
                for (const std::string_view digit : pending)
                    read.number += digit;
                read.ok = true;
                return read;
            }
        } else {
            singles = 0;
        }
    }
    return read;
}

DrawTextRead ReadDrawText(std::string_view bytes, int today) {
    DrawTextRead result;
    if (bytes.size() > kMaxDrawTextBytes) {
        result.error = "开奖数据超过8MB，未读取";
        return result;
    }
    const std::string text = DecodeDrawBytes(bytes, &result.encoding);
    const long long lastDay = DayNumber(today > 0 ? today : LocalToday()) + 1;

    struct Read {
        PeriodKey key;
        Draw draw;
    };
    std::vector<Read> reads;
    std::size_t lines = 0;
    auto readLine = [&](std::string_view line) {
        if (++lines > kMaxDrawTextLines)
            return false;
        if (IsCommentOrEmpty(line))
            return true;
        DrawLineRead read = ReadDrawLine(line);
        if (!read.ok) {
            ++result.skipped;
            return true;
        }
        const PeriodKey key = KeyOfPeriod(read.period);
        if (key.dated && DayNumber(key.major) > lastDay) {
            ++result.skipped;
            ++result.future;
            return true;
        }
        std::string period = CanonicalPeriod(read.period);
        reads.push_back({key, {std::move(period), std::move(read.number)}});
        return true;
    };
    bool complete = true;
    bool done = false;
    if (LooksLikeJson(text)) {
        JsonLines json;
        if (nlohmann::json::sax_parse(text, &json)) {
            done = true;
            for (const std::string& line : json.lines)
                if (!(complete = readLine(line)))
                    break;
        } else if (json.lines.size() > kMaxDrawTextLines) {
            done = true;
            complete = false;
        }
    }
    if (!done) {
        const std::size_t firstRow = FindTag(text, "<tr", 0);
        complete = firstRow == std::string_view::npos ? ForEachLine(text, readLine)
                                                      : ForEachRow(text, firstRow, readLine);
    }
    if (!complete) {
        result.skipped = 0;
        result.future = 0;
        result.error = "开奖数据超过100000行，未读取";
        return result;
    }

    // The first line of a period wins; later ones are counted as skipped.
    // `seen` views the periods in place, so nothing moves until it is done.
    std::vector<std::size_t> order;
    order.reserve(reads.size());
    {
        std::unordered_set<std::string_view> seen;
        seen.reserve(reads.size());
        for (std::size_t i = 0; i < reads.size(); ++i) {
            if (seen.insert(reads[i].draw.period).second)
                order.push_back(i);
            else
                ++result.skipped;
        }
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        if (reads[a].key != reads[b].key)
            return LaterKey(reads[a].key, reads[b].key);
        return reads[a].draw.period > reads[b].draw.period;
    });
    result.draws.reserve(order.size());
    for (const std::size_t i : order)
        result.draws.push_back(std::move(reads[i].draw));
    result.ok = true;
    return result;
}

std::string ImportSummary(const DrawTextRead& read) {
    return "导入" + std::to_string(read.draws.size()) + "期，跳过" + std::to_string(read.skipped) +
           "行";
}

} // namespace sorvanta::history
