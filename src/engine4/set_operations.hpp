#pragma once

#include "common/number_sets.hpp"

#include <optional>
#include <string_view>

namespace sorvanta::four {

using sorvanta::CombinedSets;
using sorvanta::SetOperation;

// The operation codes the 交集 page's buttons were first written with:
// "jiao", "bing", "a_b", "b_a".
std::optional<SetOperation> SetOperationFromCode(std::string_view code);

// The 交集 page works on four-digit members.
inline CombinedSets CombineSets(std::string_view a, std::string_view b, SetOperation operation) {
    return CombineMembers(a, b, operation, 4);
}

} // namespace sorvanta::four
