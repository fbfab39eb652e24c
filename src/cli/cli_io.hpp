#pragma once

#include <cstddef>
#include <string>

namespace sorvanta::scheme {
struct Scheme;
}

namespace sorvanta::cli {

inline constexpr int kExitRefused = 1;  // the window would refuse too
inline constexpr int kExitBadInput = 2; // unreadable, invalid or not written

// Prints "sorvanta-cli: MESSAGE" as one line on standard error (line breaks
// and control characters a message quotes are shown, never obeyed) and
// returns kExitBadInput.
int Die(const std::string& message);

// What a path may name besides a regular file. Draw files must be regular
// files: a FIFO would keep the tool waiting for a writer, and a device is
// no file of draws.
enum class FileKind { Any, RegularOnly };

// Reads a file, or standard input for "-", into `out`, but never more than
// `limit` bytes: a longer input (or an endless one such as /dev/zero) is an
// error naming the limit, read no further. With RegularOnly, anything but a
// regular file is refused before it is opened.
bool ReadBounded(const std::string& path, std::size_t limit, std::string& out, std::string& error,
                 FileKind kind = FileKind::Any);

// Writes the text to standard output and flushes; a failed write (a full
// disk, a closed pipe) is reported with Die, never taken for success.
int Print(const std::string& text);

// Reads a scheme file, or standard input for "-", and parses it. On failure
// the one-line error (naming the file and, for an invalid field, its JSON
// path) is printed and its exit status returned; 0 on success.
int ReadSchemeFile(const std::string& path, scheme::Scheme& scheme);

} // namespace sorvanta::cli
