#pragma once

#include <stdexcept>

namespace sorvanta::scheme {

// A scheme that cannot be used. what() is one line naming the field by its
// JSON path ("conditions.total_tolerance[1]") and the problem.
class SchemeError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

} // namespace sorvanta::scheme
