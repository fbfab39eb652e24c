#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace sorvanta::four {

// The four-star working table: one row per candidate 0000..9999 plus row
// 10000 for per-group notes, 61 columns of 16-bit cells (see the column
// constants). Row-major, so one candidate's marks sit side by side and the
// tally sums them in one contiguous read.
class CandidateSet {
public:
    static constexpr int kRows = 10001;
    static constexpr int kCandidates = 10000;
    static constexpr int kNotesRow = 10000;
    static constexpr int kColumns = 61;
    static constexpr int kExcluded = 0;
    static constexpr int kFirstMark = 1;
    static constexpr int kLastMark = 49;
    static constexpr int kBaseSetMember = 50;
    static constexpr int kFirstDigit = 51; // thousands; 52 hundreds, 53 tens, 54 units

    CandidateSet();

    std::int16_t& at(int row, int column) { return cells_[Index(row, column)]; }
    std::int16_t at(int row, int column) const { return cells_[Index(row, column)]; }
    std::int16_t* Row(int row) { return cells_.data() + Index(row, 0); }
    const std::int16_t* Row(int row) const { return cells_.data() + Index(row, 0); }
    int Digit(int row, int position) const { return at(row, kFirstDigit + position); }

    // All zero, digits filled in: the state every run starts from.
    void Reset();

private:
    static std::size_t Index(int row, int column) {
        return static_cast<std::size_t>(row) * kColumns + static_cast<std::size_t>(column);
    }
    std::vector<std::int16_t> cells_;
};

// What the four-star engine keeps between commands: the table of the last
// run, its survivor text and whether that run had a base set.
struct FourStarState {
    CandidateSet candidates;
    std::string SurvivorText;
    bool BaseSetActive = false;
};

void InitCandidateSet(FourStarState& state);

} // namespace sorvanta::four
