#pragma once

#include <cstddef>

namespace sorvanta {

// The bounds every outside text is held to, so no input can make a run slow
// without end or a process grow without end. Within them every input runs
// in well under a second.

// A scheme file: read no further than this.
inline constexpr std::size_t kMaxSchemeBytes = 16u * 1024u * 1024u;
// Objects and arrays inside one another in a scheme file.
inline constexpr int kMaxJsonDepth = 64;
// One text field of a scheme, or one text box of a panel, in characters
// (code points).
inline constexpr std::size_t kMaxTextCharacters = 1000000;

} // namespace sorvanta
