#include "engine4/digit_kills.hpp"

#include "common/number_text.hpp"
#include "engine4/group_support.hpp"

#include <algorithm>
#include <bit>
#include <cstdlib>
#include <string>

namespace sorvanta::four {

namespace {

constexpr int kColumn = 3;
constexpr std::string_view kGuidanceMarker = "例如";

} // namespace

int AcValue(const CandidateDigits::Digits& d) {
    unsigned differences = 0;
    for (std::size_t i = 0; i < 4; ++i)
        for (std::size_t j = i + 1; j < 4; ++j)
            differences |= 1u << std::abs(d[i] - d[j]);
    return std::popcount(differences);
}

std::bitset<37> KilledSums(std::string_view text) {
    std::bitset<37> killed;
    if (text.find(kGuidanceMarker) != std::string_view::npos)
        return killed;
    const std::string normalised =
        detail::BlankOutAndSqueeze(text, [](char c) { return detail::IsDigit(c) || c == ' '; });
    if (normalised.empty())
        return killed;
    for (int sum = 0; sum <= 36; ++sum)
        if (normalised.find(FixedWidth(sum, 2)) != std::string::npos)
            killed.set(static_cast<std::size_t>(sum));
    return killed;
}

void ApplyDigitKills(const FourStarInput& input, const CandidateDigits& digits, CandidateSet& set) {
    const std::uint16_t sumTails = detail::Mask(input.kill_sum_tails);
    const std::bitset<37> sums = KilledSums(input.kill_sums);
    const std::uint16_t spans = detail::Mask(input.kill_spans);
    const std::uint16_t everywhere = detail::Mask(input.kill_all_digits);
    const std::uint16_t acValues = detail::Mask(input.kill_ac);
    if (sumTails == 0 && sums.none() && spans == 0 && everywhere == 0 && acValues == 0)
        return;

    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const CandidateDigits::Digits& d = digits[n];
        const int sum = d[0] + d[1] + d[2] + d[3];
        const auto [low, high] = std::minmax({d[0], d[1], d[2], d[3]});
        const bool killed =
            detail::Has(sumTails, sum % 10) || sums.test(static_cast<std::size_t>(sum)) ||
            detail::Has(spans, high - low) || (digits.Present(n) & everywhere) != 0 ||
            (acValues != 0 && detail::Has(acValues, AcValue(d)));
        if (killed)
            marks[static_cast<std::size_t>(n)] = 1;
    }
    detail::WriteMarks(marks, set, kColumn);
}

} // namespace sorvanta::four
