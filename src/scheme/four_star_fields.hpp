#pragma once

#include "engine4/four_star_input.hpp"
#include "scheme/field_kinds.hpp"

namespace sorvanta::scheme {

// Mode "four": the one list of the four-star panel's fields.
const FieldTable<four::FourStarInput>& FourStarFields();

} // namespace sorvanta::scheme
