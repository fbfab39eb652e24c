#pragma once

#include "common/number_sets.hpp"

#include <optional>
#include <string_view>

namespace sorvanta::four {

using sorvanta::CombinedSets;
using sorvanta::SetOperation;

// The 交集 page works on four-digit members.
inline CombinedSets CombineSets(std::string_view a, std::string_view b, SetOperation operation) {
    return CombineMembers(a, b, operation, 4);
}

} // namespace sorvanta::four
