#pragma once

#include <string>
#include <string_view>

namespace sorvanta {

// GBK bytes as UTF-8; a byte that starts no valid GBK character becomes
// U+FFFD and the decoding goes on with the next byte. The draw files, the
// downloads and the help text the window shows are all read through it.
std::string DecodeGbk(std::string_view bytes);

// Whether GBK holds the character: some GBK bytes decode to it.
bool GbkHolds(char32_t c);

} // namespace sorvanta
