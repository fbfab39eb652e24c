#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace sorvanta::four {

// The four buttons of the 交集 frame: A.B交集, A.B并集, A排除B, B排除A.
enum class SetOperation { Intersection, Union, AWithoutB, BWithoutA };

// The operation codes the buttons pass: "jiao", "bing", "a_b", "b_a".
std::optional<SetOperation> SetOperationFromCode(std::string_view code);

// What the frame shows after an operation: both input boxes as normalised
// (digits and single blanks only, repeats kept), the result list ascending
// and free of repeats, and its count. Nothing here is ever an error.
struct CombinedSets {
    std::string a;
    std::string b;
    std::string result;
    int count = 0;
};

// Four-digit pieces of each text are its members (a number given twice is
// one member); pieces of other lengths are ignored.
CombinedSets CombineSets(std::string_view a, std::string_view b, SetOperation operation);

} // namespace sorvanta::four
