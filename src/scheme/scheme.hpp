#pragma once

#include "common/mode.hpp"
#include "engine4/four_star_input.hpp"
#include "scheme/scheme_error.hpp"

#include <string>
#include <string_view>
#include <variant>

namespace sorvanta::scheme {

using sorvanta::Mode;

// The panel input a scheme carries, one alternative per mode. A mode whose
// panel is not built yet carries no conditions (monostate).
using SchemeInput = std::variant<std::monostate, four::FourStarInput>;

// A scheme file's content: the mode and that mode's panel input.
struct Scheme {
    Mode mode = Mode::Four;
    SchemeInput input = four::FourStarInput{};

    // The four-star input of a mode-"four" scheme; throws std::bad_variant_access otherwise.
    const four::FourStarInput& four() const { return std::get<four::FourStarInput>(input); }
};

Scheme ParseScheme(std::string_view json);

// The inverse of ParseScheme; fields in their off state are left out, so an
// untouched panel saves as empty conditions.
std::string WriteScheme(const Scheme& scheme);
std::string WriteFourStarScheme(const four::FourStarInput& input);

} // namespace sorvanta::scheme
