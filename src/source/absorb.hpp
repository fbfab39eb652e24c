#pragma once

#include "source/outcome.hpp"

#include <filesystem>
#include <string_view>

namespace sorvanta::source {

// A download's body needs this many draws: an error page whose table holds
// one row of digits is no source of draws.
inline constexpr int kMinDrawsPerBody = 10;

// Reads the bytes by the draw-text rules and, when at least `minDraws` were
// read, writes them to the store at `store` in one transaction and reads
// back what the table shows next. Touches no Qt object and opens its own
// connection, so it runs on any thread. With an empty `store` path (the
// window runs without a store) the read itself is returned. The store file
// is neither opened nor created for a read with too few draws.
Outcome Absorb(std::string_view bytes, history::Lottery lottery, history::DataLine line,
               const std::filesystem::path& store, int minDraws);

// A file import's first step, before anything opens the file: only a
// regular file may be read, since opening a FIFO or a device can block.
Failure CheckImportFile(const std::filesystem::path& file);

// Reads and absorbs a file that passed the check; the read is bounded by
// the text limit whatever the file claims its size is.
Outcome AbsorbFile(const std::filesystem::path& file, history::Lottery lottery,
                   history::DataLine line, const std::filesystem::path& store);

} // namespace sorvanta::source
