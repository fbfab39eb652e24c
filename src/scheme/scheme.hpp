#pragma once

#include "engine4/four_star_input.hpp"

#include <stdexcept>
#include <string>
#include <string_view>

namespace sorvanta::scheme {

enum class Mode { Two, Three, Four };

// A scheme file's content: the mode and that mode's panel input.
struct Scheme {
    Mode mode = Mode::Four;
    four::FourStarInput four;
};

// A scheme that cannot be used. what() is one line naming the field by its
// JSON path ("conditions.total_tolerance[1]") and the problem.
class SchemeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

Scheme ParseScheme(std::string_view json);

// The inverse of ParseScheme for a four-star panel; fields in their off
// state are left out, so an untouched panel saves as empty conditions.
std::string WriteFourStarScheme(const four::FourStarInput& input);

} // namespace sorvanta::scheme
