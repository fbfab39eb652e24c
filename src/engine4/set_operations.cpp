#include "engine4/set_operations.hpp"

namespace sorvanta::four {

std::optional<SetOperation> SetOperationFromCode(std::string_view code) {
    if (code == "jiao")
        return SetOperation::Intersection;
    if (code == "bing")
        return SetOperation::Union;
    if (code == "a_b")
        return SetOperation::AWithoutB;
    if (code == "b_a")
        return SetOperation::BWithoutA;
    return std::nullopt;
}

} // namespace sorvanta::four
