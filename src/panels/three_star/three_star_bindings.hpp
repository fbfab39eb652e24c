#pragma once

#include "engine23/three_star_input.hpp"
#include "panels/bindings.hpp"

namespace sorvanta::ui {

// Which control holds which three-star field, one row a field or button
// block, named as the scheme names it.
const Bindings<three::ThreeStarInput>& ThreeStarBindings();

} // namespace sorvanta::ui
