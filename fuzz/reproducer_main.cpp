// Without libFuzzer a fuzz target builds as this plain program: it feeds each
// file named on the command line, and every file of each folder named, to the
// target once, so a crashing input found by fuzzing can be replayed under any
// compiler and sanitizer, and a whole corpus folder replays in the tests.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <string>
#include <system_error>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size);

namespace {

bool Replay(const std::filesystem::path& path) {
    // Named before it runs: when an input crashes, the last name is its own.
    std::printf("%s\n", path.string().c_str());
    std::fflush(stdout);
    std::ifstream file(path, std::ios::binary);
    if (!file) {
        std::fprintf(stderr, "cannot read %s\n", path.string().c_str());
        return false;
    }
    const std::vector<char> bytes((std::istreambuf_iterator<char>(file)),
                                  std::istreambuf_iterator<char>());
    LLVMFuzzerTestOneInput(reinterpret_cast<const std::uint8_t*>(bytes.data()), bytes.size());
    return true;
}

} // namespace

int main(int argc, char** argv) {
    // A target may change the working folder, so every name is made
    // absolute before the first input runs.
    std::vector<std::filesystem::path> args;
    for (int i = 1; i < argc; ++i)
        args.push_back(std::filesystem::absolute(argv[i]));
    int replayed = 0;
    for (const std::filesystem::path& arg : args) {
        std::error_code ec;
        std::vector<std::filesystem::path> files;
        if (std::filesystem::is_directory(arg, ec)) {
            for (const auto& entry : std::filesystem::directory_iterator(arg, ec))
                if (entry.is_regular_file())
                    files.push_back(entry.path());
            if (ec) {
                std::fprintf(stderr, "cannot list %s\n", arg.string().c_str());
                return 2;
            }
            // The same order on every machine, so a failure names the same
            // input wherever it is replayed.
            std::sort(files.begin(), files.end());
            // An empty folder is a corpus that went missing, not a pass.
            if (files.empty()) {
                std::fprintf(stderr, "no inputs in %s\n", arg.string().c_str());
                return 2;
            }
        } else {
            files.push_back(arg);
        }
        for (const auto& file : files) {
            if (!Replay(file))
                return 2;
            ++replayed;
        }
    }
    std::printf("%d inputs replayed\n", replayed);
    return 0;
}
