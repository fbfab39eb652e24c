#pragma once

#include "engine23/two_star_input.hpp"
#include "panels/bindings.hpp"

namespace sorvanta::ui {

const Bindings<two::TwoStarInput>& TwoStarBindings();

} // namespace sorvanta::ui
