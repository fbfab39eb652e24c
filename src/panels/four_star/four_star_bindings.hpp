#pragma once

#include "engine4/four_star_input.hpp"
#include "panels/bindings.hpp"

namespace sorvanta::ui {

const Bindings<four::FourStarInput>& FourStarBindings();

} // namespace sorvanta::ui
