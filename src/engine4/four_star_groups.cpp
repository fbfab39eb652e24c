#include "engine4/four_star_groups.hpp"

namespace sorvanta::four {

std::string GroupName(FourStarGroupId id, const FourStarInput& input) {
    if (id != FourStarGroupId::TopConditions)
        return std::string(GroupOf(id).name);
    const std::array<bool, 7> inUse = TopConditionsInUse(input);
    std::string name;
    for (std::size_t k = 0; k < inUse.size(); ++k) {
        if (!inUse[k])
            continue;
        if (!name.empty())
            name += '+';
        name += kTopConditionNames[k];
    }
    return name;
}

} // namespace sorvanta::four
