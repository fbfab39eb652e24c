#pragma once

#include "common/mode.hpp"
#include "engine23/three_star_input.hpp"
#include "engine23/two_star_input.hpp"
#include "engine4/four_star_input.hpp"
#include "scheme/scheme_error.hpp"

#include <string>
#include <string_view>
#include <variant>

namespace sorvanta::scheme {

using sorvanta::Mode;

// The panel input a scheme carries, one alternative per mode, in the order
// of the modes (two, three, four).
using SchemeInput = std::variant<two::TwoStarInput, three::ThreeStarInput, four::FourStarInput>;

// A scheme file's content: the mode and that mode's panel input.
struct Scheme {
    Mode mode = Mode::Four;
    SchemeInput input = four::FourStarInput{};

    Scheme() = default;
    explicit Scheme(SchemeInput conditions)
        : mode(static_cast<Mode>(conditions.index())), input(std::move(conditions)) {}

    // The four-star input of a mode-"four" scheme; throws std::bad_variant_access otherwise.
    const four::FourStarInput& four() const { return std::get<four::FourStarInput>(input); }
};

Scheme ParseScheme(std::string_view json);

// The inverse of ParseScheme; fields in their off state are left out, so an
// untouched panel saves as empty conditions.
std::string WriteScheme(const Scheme& scheme);
std::string WriteFourStarScheme(const four::FourStarInput& input);

} // namespace sorvanta::scheme
