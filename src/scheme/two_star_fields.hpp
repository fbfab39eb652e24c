#pragma once

#include "engine23/two_star_input.hpp"
#include "scheme/field_kinds.hpp"

namespace sorvanta::scheme {

// Mode "two": the one list of the two-star panel's fields.
const FieldTable<two::TwoStarInput>& TwoStarFields();

} // namespace sorvanta::scheme
