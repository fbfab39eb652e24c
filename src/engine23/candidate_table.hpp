#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <cstdint>
#include <vector>

namespace sorvanta::star {

// The digits of every two- or three-digit candidate, most significant first
// (百 十 个, or 十 个). Built once; a run only reads it.
template <int Width> class DigitTable {
public:
    static constexpr int kCandidates = Width == 3 ? 1000 : 100;

    DigitTable() {
        for (int n = 0; n < kCandidates; ++n) {
            int rest = n;
            for (int p = Width - 1; p >= 0; --p) {
                digits_[static_cast<std::size_t>(n)][static_cast<std::size_t>(p)] =
                    static_cast<std::uint8_t>(rest % 10);
                rest /= 10;
            }
        }
    }
    // position 0 is the most significant digit.
    int Digit(int n, int position) const {
        return digits_[static_cast<std::size_t>(n)][static_cast<std::size_t>(position)];
    }
    const std::array<std::uint8_t, Width>& Digits(int n) const {
        return digits_[static_cast<std::size_t>(n)];
    }

private:
    std::array<std::array<std::uint8_t, Width>, kCandidates> digits_{};
};

// The fail table of one run: a row per candidate plus the notes row, 101
// columns of 32-bit cells. Column 0 is written by the tally; an active group
// takes the next mark column (1, 2, ...) in the order the groups run, so an
// inactive group leaves no trace; columns 99 and 100 hold the base set and
// the must-keep (three-star) or kill (two-star) list, with their in-use note
// in the notes row.
//
// Stored column by column: a group writes one contiguous column and the
// tally adds whole columns, and Reset() zeroes only the columns a run wrote.
template <int Width> class FailTable {
public:
    static constexpr int kCandidates = DigitTable<Width>::kCandidates;
    static constexpr int kNotesRow = kCandidates;
    static constexpr int kRows = kCandidates + 1;
    static constexpr int kColumns = 101;
    static constexpr int kExcluded = 0;
    static constexpr int kFirstMark = 1;
    static constexpr int kBaseSet = 99;
    static constexpr int kList = 100;

    FailTable() : cells_(static_cast<std::size_t>(kRows) * kColumns, 0) {}

    // All zero and no column taken: the table as a run creates it afresh,
    // without giving its memory back.
    void Reset() {
        for (int c = 0; c < kColumns; ++c)
            if (touched_[static_cast<std::size_t>(c)] != 0)
                std::fill_n(cells_.begin() + static_cast<std::ptrdiff_t>(Index(0, c)), kRows, 0);
        touched_.fill(0);
        conditionCount_ = 0;
    }

    std::int32_t& at(int row, int column) {
        touched_[static_cast<std::size_t>(column)] = 1;
        return cells_[Index(row, column)];
    }
    std::int32_t at(int row, int column) const { return cells_[Index(row, column)]; }

    // A whole column, rows 0 to kRows - 1.
    std::int32_t* Column(int column) {
        touched_[static_cast<std::size_t>(column)] = 1;
        return cells_.data() + Index(0, column);
    }
    const std::int32_t* Column(int column) const { return cells_.data() + Index(0, column); }

    // An active group calls this once and marks its fails in the column it
    // gets back.
    int TakeColumn() { return kFirstMark + conditionCount_++; }
    int ConditionCount() const { return conditionCount_; }

    // How many mark columns of row n hold 1.
    int Fails(int n) const {
        int fails = 0;
        for (int c = kFirstMark; c < kFirstMark + conditionCount_; ++c)
            fails += at(n, c) == 1 ? 1 : 0;
        return fails;
    }

private:
    static std::size_t Index(int row, int column) {
        return static_cast<std::size_t>(column) * kRows + static_cast<std::size_t>(row);
    }
    std::vector<std::int32_t> cells_;
    std::array<std::uint8_t, kColumns> touched_{};
    int conditionCount_ = 0;
};

} // namespace sorvanta::star
