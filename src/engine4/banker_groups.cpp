#include "engine4/banker_groups.hpp"

#include "engine4/group_support.hpp"

#include <array>
#include <bit>

namespace sorvanta::four {

namespace {

constexpr int kColumn = 4;
// Count buttons run from 0 to 4; none chosen means "at least one comes out".
constexpr std::uint16_t kCountButtons = 0x1F;
constexpr std::uint16_t kAtLeastOne = 0x1E;

struct Row {
    std::uint16_t bankers;
    std::uint16_t counts;
};

int Hits(std::uint16_t bankers, bool countRepeats, const CandidateDigits::Digits& d,
         std::uint16_t present) {
    if (!countRepeats)
        return std::popcount(static_cast<unsigned>(bankers & present));
    int hits = 0;
    for (std::uint8_t digit : d)
        hits += detail::Has(bankers, digit) ? 1 : 0;
    return hits;
}

} // namespace

int BankerHits(const DigitSet& bankers, bool countRepeats, const CandidateDigits::Digits& digits) {
    std::uint16_t present = 0;
    for (std::uint8_t digit : digits)
        present = static_cast<std::uint16_t>(present | (1u << digit));
    return Hits(detail::Mask(bankers), countRepeats, digits, present);
}

void ApplyBankerGroups(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set) {
    std::array<Row, 4> rows{};
    std::size_t used = 0;
    for (const BankerRow& row : input.banker_rows) {
        const std::uint16_t bankers = detail::Mask(row.digits);
        if (bankers == 0)
            continue; // counts of a row without digits are ignored
        const std::uint16_t counts = detail::Mask(row.counts) & kCountButtons;
        rows[used++] = {bankers, counts != 0 ? counts : kAtLeastOne};
    }
    if (used == 0)
        return;
    const AllowedCounts allowed = input.banker_tolerance.Allowed();
    const bool repeats = input.banker_count_repeats;
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        int wrong = 0;
        for (std::size_t r = 0; r < used; ++r) {
            const int hits = Hits(rows[r].bankers, repeats, digits[n], digits.Present(n));
            wrong += detail::Has(rows[r].counts, hits) ? 0 : 1;
        }
        if (!allowed.Allows(wrong))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    detail::WriteMarks(marks, set, kColumn);
}

} // namespace sorvanta::four
