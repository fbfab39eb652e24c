#include "engine4/position_kill.hpp"

#include "engine4/group_support.hpp"

#include <algorithm>
#include <array>

namespace sorvanta::four {

namespace {
constexpr int kColumn = 2;
}

bool PositionKillInUse(const FourStarInput& input) {
    return std::any_of(input.position_kill.begin(), input.position_kill.end(),
                       [](const DigitSet& row) { return row.any(); });
}

bool ApplyPositionKill(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set) {
    if (!PositionKillInUse(input))
        return false;
    std::array<std::uint16_t, 4> killed{};
    for (std::size_t p = 0; p < 4; ++p)
        killed[p] = detail::Mask(input.position_kill[p]);
    // One byte table per position: 1 where the digit is killed there.
    std::array<std::array<std::uint8_t, 10>, 4> killedAt{};
    for (std::size_t p = 0; p < 4; ++p)
        for (int d = 0; d < 10; ++d)
            killedAt[p][static_cast<std::size_t>(d)] = detail::Has(killed[p], d) ? 1 : 0;
    const AllowedCounts allowed = input.position_kill_tolerance.Allowed();
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const CandidateDigits::Digits& d = digits[n];
        const int hits =
            killedAt[0][d[0]] + killedAt[1][d[1]] + killedAt[2][d[2]] + killedAt[3][d[3]];
        marks[static_cast<std::size_t>(n)] = allowed[hits] != 0 ? 0 : 1;
    }
    detail::WriteMarks(marks, set, kColumn);
    return true;
}

} // namespace sorvanta::four
