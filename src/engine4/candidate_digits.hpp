#pragma once

#include "engine4/candidate_set.hpp"

#include <array>
#include <cstdint>
#include <vector>

namespace sorvanta::four {

// The digit columns of a table, read once per run into a compact form that
// every condition group scans instead of striding through the wide rows.
class CandidateDigits {
public:
    using Digits = std::array<std::uint8_t, 4>; // thousands first

    explicit CandidateDigits(const CandidateSet& set);

    const Digits& operator[](int n) const { return digits_[static_cast<std::size_t>(n)]; }
    // Bit d set when digit d occurs anywhere in candidate n.
    std::uint16_t Present(int n) const { return present_[static_cast<std::size_t>(n)]; }
    // The number candidate n's digits spell, thousands first: the index into
    // the per-number tables the groups work out once (shapes, sums, classes).
    std::uint16_t Code(int n) const { return code_[static_cast<std::size_t>(n)]; }

private:
    std::vector<Digits> digits_;
    std::vector<std::uint16_t> present_;
    std::vector<std::uint16_t> code_;
};

} // namespace sorvanta::four
