#include "engine4/shape_ratios.hpp"

#include "common/digit_classes.hpp"
#include "engine4/group_support.hpp"

#include <array>
#include <vector>

namespace sorvanta::four {

namespace {

constexpr int kColumn = 5;

// Bit k set when the caption "k:(4-k)" is chosen. A kind with any caption
// chosen is in use, even one matching no candidate.
std::uint8_t ChosenCounts(const CaptionSet& chosen) {
    std::uint8_t counts = 0;
    for (std::size_t k = 0; k < kRatioCaptions.size(); ++k)
        if (chosen.count(std::string(kRatioCaptions[k])) != 0)
            counts = static_cast<std::uint8_t>(counts | (1u << k));
    return counts;
}

// How many digits of each first class (big, odd, prime) every number has,
// worked out once.
const std::vector<std::array<std::uint8_t, 3>>& FirstClassCounts() {
    static const std::vector<std::array<std::uint8_t, 3>> counts =
        detail::PerNumber<std::array<std::uint8_t, 3>>([](const CandidateDigits::Digits& d) {
            std::array<std::uint8_t, 3> c{};
            for (std::size_t k = 0; k < kFirstClasses.size(); ++k)
                for (std::uint8_t digit : d)
                    c[k] = static_cast<std::uint8_t>(
                        c[k] + (detail::Has(kFirstClasses[k], digit) ? 1 : 0));
            return c;
        });
    return counts;
}

} // namespace

bool ShapeRatiosInUse(const FourStarInput& input) {
    return !input.ratio_big_small.empty() || !input.ratio_odd_even.empty() ||
           !input.ratio_prime_composite.empty();
}

bool ApplyShapeRatios(const FourStarInput& input, const CandidateDigits& digits,
                      CandidateSet& set) {
    if (!ShapeRatiosInUse(input))
        return false;
    const std::array<const CaptionSet*, 3> chosen = {&input.ratio_big_small, &input.ratio_odd_even,
                                                     &input.ratio_prime_composite};
    // Per kind, 1 where a count of first-class digits misses the chosen
    // captions; a kind with nothing chosen misses nothing.
    std::array<std::array<std::uint8_t, 5>, 3> misses{};
    for (std::size_t k = 0; k < chosen.size(); ++k) {
        if (chosen[k]->empty())
            continue;
        const std::uint8_t counts = ChosenCounts(*chosen[k]);
        for (int first = 0; first <= 4; ++first)
            misses[k][static_cast<std::size_t>(first)] = detail::Has(counts, first) ? 0 : 1;
    }

    const AllowedCounts allowed = input.ratio_tolerance.Allowed();
    const auto& classCounts = FirstClassCounts();
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const std::array<std::uint8_t, 3>& c = classCounts[digits.Code(n)];
        const int missed = misses[0][c[0]] + misses[1][c[1]] + misses[2][c[2]];
        marks[static_cast<std::size_t>(n)] = allowed[missed] != 0 ? 0 : 1;
    }
    detail::WriteMarks(marks, set, kColumn);
    return true;
}

} // namespace sorvanta::four
