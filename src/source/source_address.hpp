#pragma once

#include "history/draw_history.hpp"

#include <QString>

namespace sorvanta::source {

// An address holding "{code}" is a whole address (a draw API); any other is
// a base address the lines' file and page are added to.
bool IsWholeAddress(const QString& address);

// http or https with a host; the empty text is not usable either.
bool IsUsableAddress(const QString& address);

// What is kept for an address the player typed: trimmed, and a base address
// ends with '/'. The empty text for one that is not usable.
QString NormalisedAddress(const QString& address);

// The address one collection fetches. `id` makes line 1's file address new
// each time, so no cache between here and the source answers for it.
QString CollectionAddress(const QString& address, history::Lottery lottery, history::DataLine line,
                          quint32 id);

// The address the window keeps, read and written under the program's own
// name (~/.config/Sorvanta/ on Linux) whoever asks: the window or the
// command-line tool.
QString KeptAddress();
void KeepAddress(const QString& address);

} // namespace sorvanta::source
