#include "engine4/shape_ratios.hpp"

#include "engine4/group_support.hpp"

#include <array>

namespace sorvanta::four {

namespace {

constexpr int kColumn = 5;

struct RatioKind {
    const CaptionSet* chosen;
    std::uint16_t firstClass; // big 56789, odd 13579, prime 12357
};

// Bit k set when the caption "k:(4-k)" is chosen. A kind with any caption
// chosen is in use, even one matching no candidate.
std::uint8_t ChosenCounts(const CaptionSet& chosen) {
    std::uint8_t counts = 0;
    for (std::size_t k = 0; k < kRatioCaptions.size(); ++k)
        if (chosen.count(std::string(kRatioCaptions[k])) != 0)
            counts = static_cast<std::uint8_t>(counts | (1u << k));
    return counts;
}

} // namespace

void ApplyShapeRatios(const FourStarInput& input, const CandidateDigits& digits,
                      CandidateSet& set) {
    const std::array<RatioKind, 3> kinds = {{
        {&input.ratio_big_small, 0b1111100000},
        {&input.ratio_odd_even, 0b1010101010},
        {&input.ratio_prime_composite, 0b0010101110},
    }};
    struct Active {
        std::uint16_t firstClass;
        std::uint8_t counts;
    };
    std::array<Active, 3> active{};
    std::size_t used = 0;
    for (const RatioKind& kind : kinds)
        if (!kind.chosen->empty())
            active[used++] = {kind.firstClass, ChosenCounts(*kind.chosen)};
    if (used == 0)
        return;

    const AllowedCounts allowed = input.ratio_tolerance.Allowed();
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const CandidateDigits::Digits& d = digits[n];
        int misses = 0;
        for (std::size_t k = 0; k < used; ++k) {
            int first = 0;
            for (std::uint8_t digit : d)
                first += detail::Has(active[k].firstClass, digit) ? 1 : 0;
            misses += detail::Has(active[k].counts, first) ? 0 : 1;
        }
        if (!allowed.Allows(misses))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    detail::WriteMarks(marks, set, kColumn);
}

} // namespace sorvanta::four
