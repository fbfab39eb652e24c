#pragma once

#include "source/outcome.hpp"

#include <filesystem>
#include <string>

namespace sorvanta::source {

// One collection from start to end for a caller without an event loop of
// its own (the command-line tool): the same address rules, bounds, reading
// and store write as the window's collections. An empty `address` means the
// one the window keeps; none at all is the failure NoAddress, and an
// address that is not http(s) with a host is refused the same way.
// For a caller without Qt types: whether an address could be collected from.
bool IsUsableSourceAddress(const std::string& address);

Outcome CollectOnce(const std::string& address, history::Lottery lottery, history::DataLine line,
                    const std::filesystem::path& store, int timeoutMs = 15000);

} // namespace sorvanta::source
