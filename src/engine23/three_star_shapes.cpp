// Groups 20 to 24 (Part 3.3): kill shapes, largest and smallest digit, keep
// counts, exclude 012 routes, special exclusions.

#include "common/text.hpp"
#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <array>
#include <string>

namespace sorvanta::three {

bool ApplyKillShapes(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::array<std::uint32_t, 3> families = {
        detail::ChosenButtons(input.kill_shapes.big_small, kBigSmallShapeCaptions),
        detail::ChosenButtons(input.kill_shapes.odd_even, kOddEvenShapeCaptions),
        detail::ChosenButtons(input.kill_shapes.prime_composite, kPrimeCompositeShapeCaptions)};
    if ((families[0] | families[1] | families[2]) == 0)
        return false;
    // An inactive family chooses nothing, so it never adds a hit.
    const std::uint32_t allowed = detail::AllowedMask(input.kill_shapes_tolerance.Allowed());
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        const int hits = (star::Has(families[0], c.bigSmall) ? 1 : 0) +
                         (star::Has(families[1], c.oddEven) ? 1 : 0) +
                         (star::Has(families[2], c.primeComposite) ? 1 : 0);
        if (!star::Has(allowed, hits))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

namespace {

// Every digit left in the box after the digit filter, blanks dropped.
std::uint16_t AllowedDigits(std::string_view box) {
    std::uint16_t mask = 0;
    for (char c : star::WithoutBlanks(DigitsOnly(detail::BoxText(box))))
        mask = static_cast<std::uint16_t>(mask | (1u << (c - '0')));
    return mask;
}

} // namespace

bool ApplyLargestSmallest(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t largest = AllowedDigits(input.largest_digits);
    const std::uint16_t smallest = AllowedDigits(input.smallest_digits);
    if (largest == 0 && smallest == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        if ((largest != 0 && !star::Has(largest, c.largest)) ||
            (smallest != 0 && !star::Has(smallest, c.smallest)))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyKeepCounts(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t big = detail::CountMask(input.keep_counts.big);
    const std::uint16_t odd = detail::CountMask(input.keep_counts.odd);
    const std::uint16_t prime = detail::CountMask(input.keep_counts.prime);
    if ((big | odd | prime) == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        if ((big != 0 && !star::Has(big, c.bigCount)) ||
            (odd != 0 && !star::Has(odd, c.oddCount)) ||
            (prime != 0 && !star::Has(prime, c.primeCount)))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyExcludeRoutes(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint32_t routes = detail::ChosenButtons(input.exclude_routes, kRouteCaptions);
    if (routes == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (star::Has(routes, candidates[static_cast<std::size_t>(n)].route))
            marks[static_cast<std::size_t>(n)] = 1;
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

namespace {

// Button indexes of kSpecialExclusionCaptions.
enum Special : int {
    kLeopard,     // 豹子
    kGroupThree,  // 组三
    kGroupSix,    // 组六
    kNoRun,       // 不连
    kTwoRun,      // 2连
    kThreeRunBtn, // 3连
    kUphill,      // 上山
    kDownhill,    // 下山
    kConcave,     // 凹型
    kConvex,      // 凸型
};

constexpr std::uint32_t Bit(int i) {
    return 1u << i;
}

} // namespace

bool ApplySpecialExclusions(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint32_t chosen =
        detail::ChosenButtons(input.special_exclusions, kSpecialExclusionCaptions);
    if (chosen == 0)
        return false;
    const bool typeTest = (chosen & (Bit(kLeopard) | Bit(kGroupThree) | Bit(kGroupSix))) != 0;
    const bool runTest = (chosen & (Bit(kNoRun) | Bit(kTwoRun) | Bit(kThreeRunBtn))) != 0;
    const bool hillTest = (chosen & (Bit(kUphill) | Bit(kDownhill))) != 0;
    const bool peakTest = (chosen & (Bit(kConcave) | Bit(kConvex))) != 0;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        const int h = c.digits[0], t = c.digits[1], u = c.digits[2];
        bool fails = false;
        if (typeTest)
            fails = star::Has(chosen, kLeopard + c.distinct - 1);
        if (!fails && runTest) {
            if (IsThreeRun(h, t, u))
                fails = star::Has(chosen, kThreeRunBtn);
            else if (IsTwoRun(h, t, u))
                fails = star::Has(chosen, kTwoRun);
            else
                fails = star::Has(chosen, kNoRun);
        }
        if (!fails && hillTest) {
            if (h <= t && t <= u && h < u)
                fails = star::Has(chosen, kUphill);
            else if (h >= t && t >= u && h > u)
                fails = star::Has(chosen, kDownhill);
        }
        if (!fails && peakTest) {
            if (h < t && u < t)
                fails = star::Has(chosen, kConvex);
            else if (t < h && t < u)
                fails = star::Has(chosen, kConcave);
        }
        if (fails)
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

} // namespace sorvanta::three
