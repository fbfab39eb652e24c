#include "engine4/four_star_groups.hpp"

#include "common/base_number_table.hpp"
#include "engine4/digit_kills.hpp"
#include "engine4/runs_and_extremes.hpp"
#include "engine4/special_shapes.hpp"
#include "engine4/top_conditions.hpp"

#include <algorithm>

namespace sorvanta::four {

namespace {

bool AnyCaption(const CaptionSet& chosen, const auto& captions) {
    return std::any_of(captions.begin(), captions.end(), [&](std::string_view caption) {
        return chosen.contains(std::string(caption));
    });
}

template <std::size_t Boxes>
bool AnyBoxInUse(const std::array<std::string, Boxes>& boxes, int width) {
    return std::any_of(boxes.begin(), boxes.end(), [&](const std::string& text) {
        return ReadBaseNumberTable(text, width).InUse();
    });
}

} // namespace

bool GroupInUse(FourStarGroupId id, const FourStarInput& input) {
    switch (id) {
    case FourStarGroupId::TopConditions: {
        const std::array<bool, 7> inUse = TopConditionsInUse(input);
        return std::find(inUse.begin(), inUse.end(), true) != inUse.end();
    }
    case FourStarGroupId::PositionKill:
        return std::any_of(input.position_kill.begin(), input.position_kill.end(),
                           [](const DigitSet& digits) { return digits.any(); });
    case FourStarGroupId::DigitKills:
        return input.kill_sum_tails.any() || KilledSums(input.kill_sums).any() ||
               input.kill_spans.any() || input.kill_all_digits.any() || input.kill_ac.any();
    case FourStarGroupId::BankerGroups:
        return std::any_of(input.banker_rows.begin(), input.banker_rows.end(),
                           [](const BankerRow& row) { return row.digits.any(); });
    case FourStarGroupId::ShapeRatios:
        return !input.ratio_big_small.empty() || !input.ratio_odd_even.empty() ||
               !input.ratio_prime_composite.empty();
    case FourStarGroupId::SpecialShapes:
        return AnyCaption(input.special_shapes, kSpecialShapeCaptions);
    case FourStarGroupId::ShapePatterns:
        return !input.pattern_big_small.empty() || !input.pattern_odd_even.empty() ||
               !input.pattern_prime_composite.empty() || !input.pattern_route012.empty();
    case FourStarGroupId::RunRepeat:
        return AnyCaption(input.run_repeat, kRunRepeatCaptions);
    case FourStarGroupId::Extremes:
        return input.smallest_digits.any() || input.largest_digits.any();
    case FourStarGroupId::TwoStarSplice:
        return AnyBoxInUse(input.two_star_splice, 2);
    case FourStarGroupId::ThreeStarSplice:
        return AnyBoxInUse(input.three_star_splice, 3);
    }
    return false;
}

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
