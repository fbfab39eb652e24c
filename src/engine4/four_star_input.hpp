#pragma once

#include "common/allowed_counts.hpp"

namespace sorvanta::four {

// The four-star condition panel as one value: texts as typed, ranges as the
// texts of their boxes, buttons as what is chosen. The panel's readInput()
// and the scheme loader both produce it; the engine parses it once per run.
struct FourStarInput {
    RangeText total_tolerance; // 总容错, Com_rc 4 and 5

    bool operator==(const FourStarInput&) const = default;
};

} // namespace sorvanta::four
