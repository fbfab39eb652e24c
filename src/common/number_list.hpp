#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace sorvanta {

// Numbers travel as fixed-width digit texts ("07", "007", "0007"); these are
// the rules for every width the plays use (2 to 5), written once.

// Writes n (0 <= n < 10^width) as a fixed-width digit text ("0007").
void AppendFixedWidth(std::string& out, int n, int width);
std::string FixedWidth(int n, int width);

// The value of a piece that is exactly `width` ASCII digits, or -1.
int FixedWidthValue(std::string_view piece, int width);

// Calls fn(value) for every blank-separated piece of `text` that is exactly
// `width` ASCII digits, in order and with repeats; other pieces are skipped.
// `text` is what only_str leaves (single blanks), but runs of blanks are
// harmless.
template <typename Fn> void ForEachNumber(std::string_view text, int width, Fn&& fn) {
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find(' ', start);
        if (end == std::string_view::npos)
            end = text.size();
        const int value = FixedWidthValue(text.substr(start, end - start), width);
        if (value >= 0)
            fn(value);
        start = end + 1;
    }
}

// The numbers as fixed-width texts joined by single blanks, no blank at
// either end: the form the clipboard gets.
std::string JoinNumbers(const std::vector<int>& numbers, int width);

// A result list's entries: `perLine` numbers a line, each followed by a blank.
std::vector<std::string> NumbersPerLine(const std::vector<int>& numbers, int width, int perLine);

// The group (组选) a direct number belongs to: its digits sorted ascending
// (2130 -> 0123, written as the number 123). Widths 2 to 4.
int GroupOf(int number, int width);

// The 组选 form of a list of direct numbers (0 <= n < 10^width): each group
// of them once, ascending. Widths 2 to 4.
std::vector<int> GroupsOf(const std::vector<int>& numbers, int width);

} // namespace sorvanta
