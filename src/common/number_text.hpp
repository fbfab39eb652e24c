#pragma once

#include <string>

namespace sorvanta {

// Writes n (0 <= n < 10^width) as a fixed-width digit text ("0007").
void AppendFixedWidth(std::string& out, int n, int width);
std::string FixedWidth(int n, int width);

} // namespace sorvanta
