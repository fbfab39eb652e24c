#pragma once

#include <nlohmann/json.hpp>

#include <string_view>

namespace sorvanta::scheme {

// The scheme file's text as JSON, or a SchemeError naming where it went
// wrong: invalid JSON, a NUL byte, nesting past the limit, a key given twice
// in one object, or an integer that 64 bits cannot hold.
nlohmann::json ReadSchemeJson(std::string_view text);

} // namespace sorvanta::scheme
