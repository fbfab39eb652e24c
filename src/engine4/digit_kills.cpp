#include "engine4/digit_kills.hpp"

#include "common/number_list.hpp"
#include "engine4/group_support.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <cstdlib>
#include <string>
#include <vector>

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

namespace {

// Sum, span and AC value of every number, worked out once.
struct Figures {
    std::uint8_t sum;
    std::uint8_t span;
    std::uint8_t ac;
};

const std::vector<Figures>& FiguresByNumber() {
    static const std::vector<Figures> figures =
        detail::PerNumber<Figures>([](const CandidateDigits::Digits& d) {
            const auto [low, high] = std::minmax({d[0], d[1], d[2], d[3]});
            return Figures{static_cast<std::uint8_t>(d[0] + d[1] + d[2] + d[3]),
                           static_cast<std::uint8_t>(high - low),
                           static_cast<std::uint8_t>(AcValue(d))};
        });
    return figures;
}

} // namespace

namespace {

// What the five kills kill, each read once.
struct DigitKillChoices {
    std::uint16_t sumTails;
    std::bitset<37> sums;
    std::uint16_t spans;
    std::uint16_t everywhere;
    std::uint16_t acValues;

    bool Any() const {
        return sumTails != 0 || sums.any() || spans != 0 || everywhere != 0 || acValues != 0;
    }
};

DigitKillChoices ChosenDigitKills(const FourStarInput& input) {
    return {detail::Mask(input.kill_sum_tails), KilledSums(input.kill_sums),
            detail::Mask(input.kill_spans), detail::Mask(input.kill_all_digits),
            detail::Mask(input.kill_ac)};
}

} // namespace

bool DigitKillsInUse(const FourStarInput& input) {
    return ChosenDigitKills(input).Any();
}

bool ApplyDigitKills(const FourStarInput& input, const CandidateDigits& digits, CandidateSet& set) {
    const DigitKillChoices chosen = ChosenDigitKills(input);
    if (!chosen.Any())
        return false;
    const std::uint16_t sumTails = chosen.sumTails;
    const std::bitset<37>& sums = chosen.sums;
    const std::uint16_t spans = chosen.spans;
    const std::uint16_t everywhere = chosen.everywhere;
    const std::uint16_t acValues = chosen.acValues;

    // The sum-tail and digit-sum kills both look at the sum: one table.
    std::array<std::uint8_t, 37> sumKilled{};
    for (int sum = 0; sum <= 36; ++sum)
        sumKilled[static_cast<std::size_t>(sum)] =
            detail::Has(sumTails, sum % 10) || sums.test(static_cast<std::size_t>(sum)) ? 1 : 0;
    std::array<std::uint8_t, 10> spanKilled{};
    for (int span = 0; span < 10; ++span)
        spanKilled[static_cast<std::size_t>(span)] = detail::Has(spans, span) ? 1 : 0;
    std::array<std::uint8_t, 7> acKilled{};
    for (int ac = 1; ac <= 6; ++ac)
        acKilled[static_cast<std::size_t>(ac)] = detail::Has(acValues, ac) ? 1 : 0;

    const std::vector<Figures>& figures = FiguresByNumber();
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const Figures& f = figures[digits.Code(n)];
        marks[static_cast<std::size_t>(n)] =
            static_cast<std::uint8_t>(sumKilled[f.sum] | spanKilled[f.span] | acKilled[f.ac] |
                                      ((digits.Present(n) & everywhere) != 0 ? 1 : 0));
    }
    detail::WriteMarks(marks, set, kColumn);
    return true;
}

} // namespace sorvanta::four
