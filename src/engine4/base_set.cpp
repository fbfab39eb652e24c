#include "engine4/base_set.hpp"

#include "common/number_list.hpp"

namespace sorvanta::four {

void ApplyBaseSet(const FourStarInput& input, FourStarState& state) {
    state.BaseSetActive = false;
    ForEachNumber(input.base_set, 4, [&](int n) {
        state.candidates.at(n, CandidateSet::kBaseSetMember) = 1;
        state.BaseSetActive = true;
    });
}

} // namespace sorvanta::four
