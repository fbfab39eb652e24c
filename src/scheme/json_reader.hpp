#pragma once

#include <nlohmann/json.hpp>

#include <string_view>

namespace sorvanta::scheme {

// The scheme file's text as JSON, or a SchemeError naming where it went
// wrong: invalid JSON, a NUL byte, nesting past the limit, a key given twice
// in one object, or an integer that 64 bits cannot hold.
nlohmann::json ReadSchemeJson(std::string_view text);

// Empties a document container by container, as fast as it was built. The
// library's own teardown first moves every value of an array aside, which
// for a file of millions of numbers costs more than reading it.
void Release(nlohmann::json& document);

} // namespace sorvanta::scheme
