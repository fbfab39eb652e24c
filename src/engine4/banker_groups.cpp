#include "engine4/banker_groups.hpp"

#include "engine4/group_support.hpp"

#include <algorithm>
#include <array>
#include <bit>
#include <vector>

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

} // namespace

bool BankerGroupsInUse(const FourStarInput& input) {
    return std::any_of(input.banker_rows.begin(), input.banker_rows.end(),
                       [](const BankerRow& row) { return row.digits.any(); });
}

bool ApplyBankerGroups(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set) {
    if (!BankerGroupsInUse(input))
        return false;
    std::array<Row, 4> rows{};
    std::size_t used = 0;
    for (const BankerRow& row : input.banker_rows) {
        const std::uint16_t bankers = detail::Mask(row.digits);
        if (bankers == 0)
            continue; // counts of a row without digits are ignored
        const std::uint16_t counts = detail::Mask(row.counts) & kCountButtons;
        rows[used++] = {bankers, counts != 0 ? counts : kAtLeastOne};
    }
    const AllowedCounts allowed = input.banker_tolerance.Allowed();
    const bool repeats = input.banker_count_repeats;
    // Wrong rows per candidate, one row at a time over all candidates.
    std::vector<std::uint8_t> wrong(CandidateSet::kCandidates, 0);
    for (std::size_t r = 0; r < used; ++r) {
        std::array<std::uint8_t, 10> isBanker{};
        for (int d = 0; d < 10; ++d)
            isBanker[static_cast<std::size_t>(d)] = detail::Has(rows[r].bankers, d) ? 1 : 0;
        std::array<std::uint8_t, 5> isWrong{};
        for (int hits = 0; hits <= 4; ++hits)
            isWrong[static_cast<std::size_t>(hits)] = detail::Has(rows[r].counts, hits) ? 0 : 1;
        for (int n = 0; n < CandidateSet::kCandidates; ++n) {
            const CandidateDigits::Digits& d = digits[n];
            const int hits =
                repeats ? isBanker[d[0]] + isBanker[d[1]] + isBanker[d[2]] + isBanker[d[3]]
                        : std::popcount(static_cast<unsigned>(rows[r].bankers & digits.Present(n)));
            wrong[static_cast<std::size_t>(n)] += isWrong[static_cast<std::size_t>(hits)];
        }
    }
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        marks[static_cast<std::size_t>(n)] =
            allowed[wrong[static_cast<std::size_t>(n)]] != 0 ? 0 : 1;
    detail::WriteMarks(marks, set, kColumn);
    return true;
}

} // namespace sorvanta::four
