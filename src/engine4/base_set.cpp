#include "engine4/base_set.hpp"

#include "common/text.hpp"

#include <string>

namespace sorvanta::four {

void ApplyBaseSet(const FourStarInput& input, FourStarState& state) {
    state.BaseSetActive = false;
    const std::string text = DigitsOnly(input.base_set);
    ForEachPiece(text, [&](std::string_view piece) {
        if (piece.size() != 4)
            return;
        int n = 0;
        for (char c : piece)
            n = n * 10 + (c - '0');
        state.candidates.at(n, CandidateSet::kBaseSetMember) = 1;
        state.BaseSetActive = true;
    });
}

} // namespace sorvanta::four
