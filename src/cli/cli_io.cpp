#include "cli/cli_io.hpp"

#include "common/limits.hpp"
#include "common/text.hpp"
#include "scheme/scheme.hpp"

#include <cerrno>
#include <cstdio>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <iostream>

namespace sorvanta::cli {

int Die(const std::string& message) {
    std::cerr << "sorvanta-cli: " << OneLine(message) << "\n";
    return kExitBadInput;
}

bool ReadBounded(const std::string& path, std::size_t limit, std::string& out, std::string& error,
                 FileKind kind) {
    const std::string name = path == "-" ? "(stdin)" : path;
    std::ifstream file;
    std::istream* in = &std::cin;
    if (path != "-") {
        // A directory opens like a file here and only fails on the first
        // read, where the library throws instead of reporting.
        std::error_code ec;
        if (kind == FileKind::RegularOnly) {
            // Asked of the file system without opening: opening a FIFO
            // waits for a writer.
            const auto status = std::filesystem::status(path, ec);
            if (ec) {
                error = "cannot read " + path + ": " + ec.message();
                return false;
            }
            if (!std::filesystem::is_regular_file(status)) {
                error = "cannot read " + path + ": not a regular file";
                return false;
            }
        }
        if (std::filesystem::is_directory(path, ec)) {
            error = "cannot read " + path + ": " + std::strerror(EISDIR);
            return false;
        }
        file.open(path, std::ios::binary);
        if (!file) {
            error = "cannot read " + path + ": " + std::strerror(errno);
            return false;
        }
        in = &file;
    }
    out.clear();
    char chunk[65536];
    while (*in) {
        in->read(chunk, sizeof chunk);
        const auto got = static_cast<std::size_t>(in->gcount());
        if (out.size() + got > limit) {
            error =
                name + ": larger than " + std::to_string(limit / (1024 * 1024)) + " MiB; not read";
            return false;
        }
        out.append(chunk, got);
    }
    if (in->bad()) {
        error = "cannot read " + name;
        return false;
    }
    return true;
}

int Print(const std::string& text) {
    std::cout << text << std::flush;
    if (!std::cout.good() || std::fflush(stdout) != 0)
        return Die(std::string("cannot write the result: ") + std::strerror(errno ? errno : EIO));
    return 0;
}

int ReadSchemeFile(const std::string& path, scheme::Scheme& scheme) {
    std::string text;
    std::string error;
    if (!ReadBounded(path, kMaxSchemeBytes, text, error))
        return Die(error);
    try {
        scheme = scheme::ParseScheme(text);
    } catch (const scheme::SchemeError& e) {
        return Die((path == "-" ? std::string("(stdin)") : path) + ": " + e.what());
    }
    return 0;
}

} // namespace sorvanta::cli
