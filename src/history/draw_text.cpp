#include "history/draw_text.hpp"

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

long long NumberOf(std::string_view digits) {
    long long n = 0;
    for (char c : digits)
        n = n * 10 + (c - '0');
    return n;
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

} // namespace

bool IsValidUtf8(std::string_view bytes) {
    std::size_t i = 0;
    const std::size_t n = bytes.size();
    while (i < n) {
        const auto b0 = static_cast<unsigned char>(bytes[i]);
        if (b0 < 0x80) {
            ++i;
            continue;
        }
        std::size_t extra = 0;
        unsigned char low = 0x80;
        unsigned char high = 0xBF;
        if (b0 >= 0xC2 && b0 <= 0xDF) {
            extra = 1;
        } else if (b0 >= 0xE0 && b0 <= 0xEF) {
            extra = 2;
            if (b0 == 0xE0)
                low = 0xA0; // no overlong forms
            if (b0 == 0xED)
                high = 0x9F; // no surrogates
        } else if (b0 >= 0xF0 && b0 <= 0xF4) {
            extra = 3;
            if (b0 == 0xF0)
                low = 0x90;
            if (b0 == 0xF4)
                high = 0x8F;
        } else {
            return false;
        }
        if (i + extra >= n)
            return false;
        const auto b1 = static_cast<unsigned char>(bytes[i + 1]);
        if (b1 < low || b1 > high)
            return false;
        for (std::size_t k = 2; k <= extra; ++k) {
            const auto b = static_cast<unsigned char>(bytes[i + k]);
            if (b < 0x80 || b > 0xBF)
                return false;
        }
        i += extra + 1;
    }
    return true;
}

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

PeriodKey KeyOfPeriod(std::string_view period) {
    PeriodKey key;
    const std::size_t dash = period.find('-');
    key.major = NumberOf(period.substr(0, dash));
    if (dash != std::string_view::npos)
        key.minor = NumberOf(period.substr(dash + 1));
    return key;
}

bool LaterPeriod(std::string_view a, std::string_view b) {
    const PeriodKey ka = KeyOfPeriod(a);
    const PeriodKey kb = KeyOfPeriod(b);
    if (ka.major != kb.major)
        return ka.major > kb.major;
    if (ka.minor != kb.minor)
        return ka.minor > kb.minor;
    return a > b;
}

DrawTextRead ReadDrawText(std::string_view bytes) {
    DrawTextRead result;
    if (bytes.size() > kMaxDrawTextBytes) {
        result.error = "开奖数据超过8MB，未读取";
        return result;
    }
    const std::string text = DecodeDrawBytes(bytes, &result.encoding);

    std::unordered_set<std::string_view> seen;
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
        result.draws.push_back({std::move(read.period), std::move(read.number)});
        return true;
    };
    const std::size_t firstRow = FindTag(text, "<tr", 0);
    const bool complete = firstRow == std::string_view::npos ? ForEachLine(text, readLine)
                                                             : ForEachRow(text, firstRow, readLine);
    if (!complete) {
        result.draws.clear();
        result.skipped = 0;
        result.error = "开奖数据超过100000行，未读取";
        return result;
    }

    // The first line of a period wins; later ones are counted as skipped.
    // `seen` views the periods in place, so nothing moves until it is done.
    std::vector<bool> first(result.draws.size());
    seen.reserve(result.draws.size());
    for (std::size_t i = 0; i < result.draws.size(); ++i)
        first[i] = seen.insert(result.draws[i].period).second;
    seen.clear();
    // Each period's key is worked out once, not in every comparison.
    struct Sorted {
        PeriodKey key;
        std::size_t index;
    };
    std::vector<Sorted> order;
    order.reserve(result.draws.size());
    for (std::size_t i = 0; i < result.draws.size(); ++i) {
        if (first[i])
            order.push_back({KeyOfPeriod(result.draws[i].period), i});
        else
            ++result.skipped;
    }
    std::sort(order.begin(), order.end(), [&](const Sorted& a, const Sorted& b) {
        if (a.key.major != b.key.major)
            return a.key.major > b.key.major;
        if (a.key.minor != b.key.minor)
            return a.key.minor > b.key.minor;
        return result.draws[a.index].period > result.draws[b.index].period;
    });
    std::vector<Draw> kept;
    kept.reserve(order.size());
    for (const Sorted& s : order)
        kept.push_back(std::move(result.draws[s.index]));
    result.draws = std::move(kept);
    result.ok = true;
    return result;
}

std::string ImportSummary(const DrawTextRead& read) {
    return "导入" + std::to_string(read.draws.size()) + "期，跳过" + std::to_string(read.skipped) +
           "行";
}

} // namespace sorvanta::history
