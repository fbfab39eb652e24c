#include "engine4/position_kill.hpp"

#include "engine4/group_support.hpp"

#include <array>

namespace sorvanta::four {

namespace {
constexpr int kColumn = 2;
}

void ApplyPositionKill(const FourStarInput& input, const CandidateDigits& digits,
                       CandidateSet& set) {
    std::array<std::uint16_t, 4> killed{};
    bool any = false;
    for (std::size_t p = 0; p < 4; ++p) {
        killed[p] = detail::Mask(input.position_kill[p]);
        any = any || killed[p] != 0;
    }
    if (!any)
        return;
    const AllowedCounts allowed = input.position_kill_tolerance.Allowed();
    detail::MarkTable marks = detail::NewMarkTable();
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const CandidateDigits::Digits& d = digits[n];
        int hits = 0;
        for (std::size_t p = 0; p < 4; ++p)
            hits += detail::Has(killed[p], d[p]) ? 1 : 0;
        if (!allowed.Allows(hits))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    detail::WriteMarks(marks, set, kColumn);
}

} // namespace sorvanta::four
