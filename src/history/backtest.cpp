#include "history/backtest.hpp"

#include "common/number_list.hpp"
#include "common/text.hpp"

#include <algorithm>
#include <bitset>
#include <set>

namespace sorvanta::history {

namespace {

bool IsDigit(char c) {
    return c >= '0' && c <= '9';
}

// The box's text as the backtest compares against it: every line break one
// blank, blanks trimmed at both ends.
std::string NormalisedBox(std::string_view box) {
    std::string text;
    text.reserve(box.size());
    for (std::size_t i = 0; i < box.size(); ++i) {
        if (box[i] == '\r' && i + 1 < box.size() && box[i + 1] == '\n')
            continue; // the '\n' that follows gives the one blank
        text.push_back(box[i] == '\r' || box[i] == '\n' ? ' ' : box[i]);
    }
    const std::size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return {};
    const std::size_t last = text.find_last_not_of(' ');
    return text.substr(first, last - first + 1);
}

// Every run of `width` consecutive ASCII digits anywhere in the text, by
// value: a key of that width occurs in the text as a substring exactly when
// its bit is set, so one pass over the box replaces a search per draw.
class WindowIndex {
public:
    WindowIndex(std::string_view text, int width) {
        int run = 0;
        int value = 0;
        int modulus = 1;
        for (int k = 0; k < width; ++k)
            modulus *= 10;
        for (char c : text) {
            if (!IsDigit(c)) {
                run = 0;
                value = 0;
                continue;
            }
            value = (value * 10 + (c - '0')) % modulus;
            if (++run >= width)
                present_.set(static_cast<std::size_t>(value));
        }
    }
    bool Contains(int value) const { return present_.test(static_cast<std::size_t>(value)); }

private:
    std::bitset<100000> present_;
};

std::string Caption(std::string_view label, long long value) {
    return std::string(label) + std::to_string(value);
}

int CountHits(std::string_view hits) {
    int n = 0;
    for (char c : hits)
        n += c == '1';
    return n;
}

} // namespace

std::string PositionSelection::KeyOf(std::string_view draw) const {
    std::string key;
    for (int k = 0; k < 5; ++k)
        if (Selected(k) && static_cast<std::size_t>(k) < draw.size())
            key.push_back(draw[static_cast<std::size_t>(k)]);
    return key;
}

PositionSelection SelectionOf(const std::array<bool, 5>& selected) {
    PositionSelection selection;
    for (std::size_t k = 0; k < 5; ++k) {
        selection.entries[k + 1] = selected[k] ? 1 : 0;
        selection.entries[10] += selected[k] ? 1 : 0;
    }
    return selection;
}

PositionSelection ReadPositionSelection(const std::array<int, 5>& buttonColours) {
    std::array<bool, 5> selected{};
    for (std::size_t k = 0; k < 5; ++k)
        selected[k] = buttonColours[k] != kPositionOff;
    return SelectionOf(selected);
}

std::optional<PositionSelection> PositionsFromText(std::string_view text) {
    std::array<bool, 5> selected{};
    bool any = false;
    while (!text.empty()) {
        bool matched = false;
        for (std::size_t k = 0; k < 5 && !matched; ++k) {
            if (text.substr(0, kPositionNames[k].size()) != kPositionNames[k])
                continue;
            if (selected[k])
                return std::nullopt;
            selected[k] = true;
            any = matched = true;
            text.remove_prefix(kPositionNames[k].size());
        }
        if (!matched)
            return std::nullopt;
    }
    if (!any)
        return std::nullopt;
    return SelectionOf(selected);
}

std::array<bool, 5> LastPositions(int count) {
    std::array<bool, 5> selected{};
    for (int k = 0; k < 5; ++k)
        selected[static_cast<std::size_t>(k)] = k >= 5 - count;
    return selected;
}

int LongestRun(std::string_view text, std::string_view separator) {
    if (text.empty())
        return 0;
    if (separator.empty())
        return static_cast<int>(CountCharacters(text));
    std::size_t longest = 0;
    std::size_t start = 0;
    while (true) {
        const std::size_t at = text.find(separator, start);
        const std::size_t end = at == std::string_view::npos ? text.size() : at;
        longest = std::max(longest, CountCharacters(text.substr(start, end - start)));
        if (at == std::string_view::npos)
            break;
        start = at + separator.size();
    }
    return static_cast<int>(longest);
}

BacktestResult RunBacktest(std::string_view verifyBoxText, const PositionSelection& positions,
                           HistoryState& state) {
    BacktestResult result;
    state.marks.Clear();
    const int width = positions.Count();
    if (width == 0)
        return result;
    const std::string text = NormalisedBox(verifyBoxText);
    if (CountCharacters(text) < 2)
        return result;
    // Only the first number is held against the positions.
    const std::string_view first = std::string_view(text).substr(0, text.find(' '));
    if (CountCharacters(first) != static_cast<std::size_t>(width))
        return result;

    result.ran = true;
    const WindowIndex index(text, width);
    const int rows = RowsOfLine(state.HistoryLine);
    result.hitString.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        if (!state.draws.HasDraw(row))
            continue;
        const std::string key = positions.KeyOf(state.draws.Number(row));
        bool hit;
        if (const int value = FixedWidthValue(key, width); value >= 0)
            hit = index.Contains(value);
        else
            hit = text.find(key) != std::string::npos; // a draw text that is not five digits
        state.marks.Set(row, hit ? Mark::Hit : Mark::Miss);
        result.hitString.push_back(hit ? '1' : '*');
    }

    if (state.HistoryLine == 1) {
        const std::string_view hits = result.hitString;
        result.captions = {Caption("近5000期命中", CountHits(hits)),
                           Caption("近100期命中", CountHits(hits.substr(0, 100))),
                           Caption("近5000期最大连中", LongestRun(hits, "*")),
                           Caption("最大连挂", LongestRun(hits, "1"))};
    } else if (state.HistoryLine == 2) {
        if (result.hitString.size() > 100)
            result.hitString.resize(100);
        const std::string_view hits = result.hitString;
        result.captions = {"", Caption("近100期命中", CountHits(hits)),
                           Caption("近100期最大连中*", LongestRun(hits, "*")),
                           Caption("最大连挂", LongestRun(hits, "1"))};
    }
    return result;
}

PasteResult PasteToVerification(std::string_view clipboardText) {
    PasteResult result;
    std::string text = DigitsOnly(clipboardText);
    std::set<std::size_t> lengths;
    int pieces = 0;
    ForEachPiece(text, [&](std::string_view piece) {
        lengths.insert(piece.size());
        ++pieces;
    });
    if (lengths.size() != 1)
        return result;
    result.ok = true;
    result.text = std::move(text);
    result.count = pieces;
    result.positions = LastPositions(static_cast<int>(*lengths.begin()));
    return result;
}

} // namespace sorvanta::history
