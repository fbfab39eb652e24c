#include "engine4/candidate_set.hpp"

#include <algorithm>

namespace sorvanta::four {

CandidateSet::CandidateSet() : cells_(static_cast<std::size_t>(kRows) * kColumns, 0) {
    Reset();
}

void CandidateSet::Reset() {
    std::fill(cells_.begin(), cells_.end(), std::int16_t{0});
    int row = 0;
    for (int a = 0; a < 10; ++a)
        for (int b = 0; b < 10; ++b)
            for (int c = 0; c < 10; ++c)
                for (int d = 0; d < 10; ++d) {
                    std::int16_t* r = Row(row++);
                    r[kFirstDigit] = static_cast<std::int16_t>(a);
                    r[kFirstDigit + 1] = static_cast<std::int16_t>(b);
                    r[kFirstDigit + 2] = static_cast<std::int16_t>(c);
                    r[kFirstDigit + 3] = static_cast<std::int16_t>(d);
                }
}

void InitCandidateSet(FourStarState& state) {
    state.candidates.Reset();
    state.SurvivorText.clear();
    state.BaseSetActive = false;
}

} // namespace sorvanta::four
