#pragma once

#include "common/text.hpp"

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

// Calls fn(value) for every number of exactly `width` digits in `text`, in
// order and with repeats: the pieces of that length DigitsOnly would leave
// (every character but an ASCII digit separates), so a box's raw text and
// a list already filtered read alike.
template <typename Fn> void ForEachNumber(std::string_view text, int width, Fn&& fn) {
    ForEachDigitRun(text, [&](std::string_view run) {
        if (static_cast<int>(run.size()) == width)
            fn(FixedWidthValue(run, width));
    });
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
