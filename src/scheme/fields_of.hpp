#pragma once

#include "scheme/four_star_fields.hpp"
#include "scheme/three_star_fields.hpp"
#include "scheme/two_star_fields.hpp"

namespace sorvanta::scheme {

// The field table of a mode's input, chosen by the input's type.
template <class Input> const FieldTable<Input>& FieldsOf();
template <> inline const FieldTable<two::TwoStarInput>& FieldsOf() {
    return TwoStarFields();
}
template <> inline const FieldTable<three::ThreeStarInput>& FieldsOf() {
    return ThreeStarFields();
}
template <> inline const FieldTable<four::FourStarInput>& FieldsOf() {
    return FourStarFields();
}

} // namespace sorvanta::scheme
