#pragma once

#include <array>
#include <cstdint>
#include <string>
#include <string_view>

namespace sorvanta {

// The digits of a two- or three-star base-number box (大底) as a lookup
// table: entry (a, b, c) is 1 when the box holds the number a b c (c is 0 for
// a two-digit box). Every index runs to 10 so that entry (10, 10, 10) can
// say whether the box accepted any number at all: an empty box is no
// condition, while a box whose numbers a candidate misses is one.
class BaseNumberTable {
public:
    static constexpr int kSide = 11;
    static constexpr int kInUse = 10;

    std::uint8_t at(int a, int b, int c) const { return entries_[Index(a, b, c)]; }
    void Set(int a, int b, int c) { entries_[Index(a, b, c)] = 1; }

    bool InUse() const { return at(kInUse, kInUse, kInUse) != 0; }
    void MarkInUse() { Set(kInUse, kInUse, kInUse); }

private:
    static std::size_t Index(int a, int b, int c) {
        return static_cast<std::size_t>((a * kSide + b) * kSide + c);
    }
    std::array<std::uint8_t, kSide * kSide * kSide> entries_{};
};

// How long the numbers of a box with this position pattern ("千*十*") are:
// the count of its characters that are not "*", when that is 2 or 3; any
// other pattern takes two-digit numbers.
int BaseNumberWidth(std::string_view pattern);

// The box's text as its table. Only ASCII digits count, everything else
// separates numbers; pieces that are not `width` digits long are ignored.
// `width` is 2 or 3 (anything else reads as 2).
BaseNumberTable ReadBaseNumberTable(std::string_view text, int width);

// What a paste into a box takes from the clipboard: the pieces of the right
// width, in order and with their repeats, joined by single blanks.
struct BaseNumberPaste {
    static constexpr int kMaxNumbers = 100000;

    // More than kMaxNumbers numbers: nothing is taken and the box keeps the
    // list it had; the window says "大底输入错误" under the title "错误".
    bool overflow = false;
    std::string text;
    int count = 0;
};

BaseNumberPaste PasteBaseNumbers(std::string_view clipboard, int width);

} // namespace sorvanta
