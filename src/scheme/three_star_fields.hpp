#pragma once

#include "engine23/three_star_input.hpp"
#include "scheme/field_kinds.hpp"

namespace sorvanta::scheme {

// Mode "three": the one list of the three-star panel's fields.
const FieldTable<three::ThreeStarInput>& ThreeStarFields();

} // namespace sorvanta::scheme
