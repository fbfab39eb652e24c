#pragma once

namespace sorvanta::cli {

// The whole tool: parses the command line and runs the command it names,
// reading standard input and writing standard output and error as
// sorvanta-cli does; returns its exit status. Apart from main(), the fuzz
// target calls it, with the standard streams pointed elsewhere.
int RunCli(int argc, char** argv);

} // namespace sorvanta::cli
