#include "engine4/four_star_commands.hpp"

#include "common/number_list.hpp"
#include "engine4/pipeline.hpp"

namespace sorvanta::four {

std::vector<int> InvertFourStar(const FourStarState& state) {
    return CollectRows(state.candidates, 1);
}

std::vector<int> ConvertFourStarToGroup(const FourStarState& state) {
    return GroupsOf(CollectRows(state.candidates, 0), 4);
}

FourStarInput ClearedFourStarInput(const FourStarInput& current) {
    FourStarInput cleared;
    cleared.banker_count_repeats = current.banker_count_repeats;
    return cleared;
}

} // namespace sorvanta::four
