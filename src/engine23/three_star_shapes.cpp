// Groups 20 to 24: kill shapes, largest and smallest digit, keep
// counts, exclude 012 routes, special exclusions.

#include "common/text.hpp"
#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <array>
#include <string>

namespace sorvanta::three {

namespace {

std::array<std::uint32_t, 3> ShapeFamilies(const KillShapes& shapes) {
    return {detail::ChosenButtons(shapes.big_small, kBigSmallShapeCaptions),
            detail::ChosenButtons(shapes.odd_even, kOddEvenShapeCaptions),
            detail::ChosenButtons(shapes.prime_composite, kPrimeCompositeShapeCaptions)};
}

} // namespace

bool KillShapesInUse(const ThreeStarInput& input) {
    const std::array<std::uint32_t, 3> families = ShapeFamilies(input.kill_shapes);
    return (families[0] | families[1] | families[2]) != 0;
}

bool ApplyKillShapes(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillShapesInUse(input))
        return false;
    const std::array<std::uint32_t, 3> families = ShapeFamilies(input.kill_shapes);
    // An inactive family chooses nothing, so it never adds a hit.
    const std::uint32_t allowed = detail::AllowedMask(input.kill_shapes_tolerance.Allowed());
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        const int hits = (star::Has(families[0], c.bigSmall) ? 1 : 0) +
                         (star::Has(families[1], c.oddEven) ? 1 : 0) +
                         (star::Has(families[2], c.primeComposite) ? 1 : 0);
        marks[static_cast<std::size_t>(n)] = (!star::Has(allowed, hits)) ? 1 : 0;
    }
    return true;
}

namespace {

// Every digit left in the box after the digit filter, blanks dropped.
std::uint16_t AllowedDigits(std::string_view box) {
    std::uint16_t mask = 0;
    for (char c : detail::BoxText(box))
        if (c >= '0' && c <= '9')
            mask = static_cast<std::uint16_t>(mask | (1u << (c - '0')));
    return mask;
}

} // namespace

bool LargestSmallestInUse(const ThreeStarInput& input) {
    return AllowedDigits(input.largest_digits) != 0 || AllowedDigits(input.smallest_digits) != 0;
}

bool ApplyLargestSmallest(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!LargestSmallestInUse(input))
        return false;
    const std::uint16_t largest = AllowedDigits(input.largest_digits);
    const std::uint16_t smallest = AllowedDigits(input.smallest_digits);
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        marks[static_cast<std::size_t>(n)] = ((largest != 0 && !star::Has(largest, c.largest)) ||
                                              (smallest != 0 && !star::Has(smallest, c.smallest)))
                                                 ? 1
                                                 : 0;
    }
    return true;
}

bool KeepCountsInUse(const ThreeStarInput& input) {
    const KeepCounts& counts = input.keep_counts;
    return (detail::CountMask(counts.big) | detail::CountMask(counts.odd) |
            detail::CountMask(counts.prime)) != 0;
}

bool ApplyKeepCounts(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KeepCountsInUse(input))
        return false;
    const std::uint16_t big = detail::CountMask(input.keep_counts.big);
    const std::uint16_t odd = detail::CountMask(input.keep_counts.odd);
    const std::uint16_t prime = detail::CountMask(input.keep_counts.prime);
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        marks[static_cast<std::size_t>(n)] = ((big != 0 && !star::Has(big, c.bigCount)) ||
                                              (odd != 0 && !star::Has(odd, c.oddCount)) ||
                                              (prime != 0 && !star::Has(prime, c.primeCount)))
                                                 ? 1
                                                 : 0;
    }
    return true;
}

bool ExcludeRoutesInUse(const ThreeStarInput& input) {
    return detail::ChosenButtons(input.exclude_routes, kRouteCaptions) != 0;
}

bool ApplyExcludeRoutes(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!ExcludeRoutesInUse(input))
        return false;
    const std::uint32_t routes = detail::ChosenButtons(input.exclude_routes, kRouteCaptions);
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        marks[static_cast<std::size_t>(n)] =
            (star::Has(routes, candidates[static_cast<std::size_t>(n)].route)) ? 1 : 0;
    return true;
}

bool IsThreeRun(int h, int t, int u) {
    if (h == t || h == u || t == u)
        return false;
    const std::uint16_t present = static_cast<std::uint16_t>((1u << h) | (1u << t) | (1u << u));
    for (int i = 0; i <= 7; ++i)
        if (present == (7u << i))
            return true;
    return present == ((1u << 8) | (1u << 9) | 1u) || present == ((1u << 9) | 1u | (1u << 1));
}

bool IsTwoRun(int h, int t, int u) {
    auto neighbours = [](int a, int b) {
        const int d = a > b ? a - b : b - a;
        return d == 1 || d == 9;
    };
    return neighbours(h, t) || neighbours(h, u) || neighbours(t, u);
}

bool SpecialExclusionsInUse(const ThreeStarInput& input) {
    return detail::ChosenButtons(input.special_exclusions, kSpecialExclusionCaptions) != 0;
}

bool ApplySpecialExclusions(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!SpecialExclusionsInUse(input))
        return false;
    const std::uint32_t chosen =
        detail::ChosenButtons(input.special_exclusions, kSpecialExclusionCaptions);
    // Each test is made only when one of its captions is chosen, and fails
    // the candidate when its own kind is chosen: so a candidate fails exactly
    // when one of its kinds (CandidateInfo::specialKinds) is chosen. A
    // three-run is no two-run and no 不连; 555 is neither uphill nor downhill.
    const auto& candidates = detail::Candidates();
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] = (candidates[n].specialKinds & chosen) != 0 ? 1 : 0;
    return true;
}

} // namespace sorvanta::three
