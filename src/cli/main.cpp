// sorvanta-cli: runs a saved scheme headless and prints the list the window's
// copy button would put on the clipboard, backtests a scheme on past draws,
// and imports, lists, verifies and extracts the draw history.
#include "cli/run_cli.hpp"

int main(int argc, char** argv) {
    return sorvanta::cli::RunCli(argc, argv);
}
