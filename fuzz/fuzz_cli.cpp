// The command-line tool as a player or a script calls it: the bytes up to the
// first two NULs in a row are the words of the command line, cut at NUL; the
// bytes after them are the file "in" and standard input. The tool runs in a
// folder of its own holding a scheme of each mode, a draw file, a number list
// and a store, put back before every run so one input cannot change what
// the next one sees. Whatever the words, the tool ends with status 0, 1 or
// 2, and a refusal is one line on standard error.
#include "cli/run_cli.hpp"
#include "panel_texts.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>
#include <string_view>
#include <unistd.h>
#include <utility>
#include <vector>

namespace {

namespace fs = std::filesystem;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

constexpr std::string_view kDraws = "20260101-001 52601\n"
                                    "第20260101-002期 开奖号：8,1,5,9,0\n"
                                    "20260101-003\t2026-01-01 10:02\t8 3 0 1 6\n"
                                    "20260101-004,61318\n"
                                    "20260101-005 60913\n"
                                    "第20260101-006期 开奖号：9,0,9,9,6\n"
                                    "20260101-007\t2026-01-01 10:06\t0 3 0 8 2\n"
                                    "20260101-008,46281\n";

// The files every run starts from, by name.
const std::vector<std::pair<std::string, std::string>>& FixedFiles() {
    static const std::vector<std::pair<std::string, std::string>> files = {
        {"two.json",
         R"({"format":"sorvanta-scheme","version":1,"mode":"two","conditions":)"
         R"({"kill_sums":[0,18],"shapes":{"big_small":["大大"]},"kill_list":"12 34"}})"},
        {"three.json",
         R"({"format":"sorvanta-scheme","version":1,"mode":"three","conditions":)"
         R"({"kill_direct":"123 456","bankers":"9","must_keep":"000","total_tolerance":["0","1"]}})"},
        {"four.json",
         R"({"format":"sorvanta-scheme","version":1,"mode":"four","conditions":)"
         R"({"kill_spans":"0","position_kill":["1","","","9"],"kill_sums":"0 1 2 35 36"}})"},
        {"draws.txt", std::string(kDraws)},
        {"list.txt", "01234 56789\n1234 5678 9012\n"},
    };
    return files;
}

// argv[0] and the words as the process would get them.
int Run(std::vector<std::string> words, std::string_view input, std::string& out,
        std::string& err) {
    words.insert(words.begin(), "sorvanta-cli");
    std::vector<char*> argv;
    for (std::string& word : words)
        argv.push_back(word.data());
    argv.push_back(nullptr);

    std::istringstream in{std::string(input)};
    std::ostringstream outText;
    std::ostringstream errText;
    std::streambuf* const cin = std::cin.rdbuf(in.rdbuf());
    std::streambuf* const cout = std::cout.rdbuf(outText.rdbuf());
    std::streambuf* const cerr = std::cerr.rdbuf(errText.rdbuf());
    const int status = sorvanta::cli::RunCli(static_cast<int>(words.size()), argv.data());
    std::cin.rdbuf(cin);
    std::cout.rdbuf(cout);
    std::cerr.rdbuf(cerr);
    std::cin.clear();
    std::cout.clear();
    std::cerr.clear();
    out = outText.str();
    err = errText.str();
    return status;
}

void Write(const fs::path& path, std::string_view bytes) {
    std::ofstream file(path, std::ios::binary | std::ios::trunc);
    file.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
    Require(static_cast<bool>(file));
}

std::string ReadAll(const fs::path& path) {
    std::ifstream file(path, std::ios::binary);
    std::ostringstream bytes;
    bytes << file.rdbuf();
    return bytes.str();
}

struct Folder {
    fs::path path;
    std::string store; // store.sqlite as the draws made it
};

// A fresh folder under the system's temporary one; HOME and XDG_DATA_HOME point into it, so the
// store the tool uses when given none is not the player's.
const Folder& TheFolder() {
    static const Folder folder = [] {
        std::string name = (fs::temp_directory_path() / "sorvanta-fuzz-cli-XXXXXX").string();
        Require(mkdtemp(name.data()) != nullptr);
        Folder made{name, {}};
        // Gone when the process ends normally; a crash leaves it to look at.
        // The name is kept in plain storage, which outlives the statics.
        static char made_name[4096];
        Require(name.size() < sizeof made_name);
        name.copy(made_name, name.size());
        std::atexit([] {
            std::error_code ec;
            fs::current_path(fs::temp_directory_path(), ec);
            fs::remove_all(made_name, ec);
        });
        Require(setenv("HOME", (made.path / "home").c_str(), 1) == 0);
        Require(setenv("XDG_DATA_HOME", (made.path / "data").c_str(), 1) == 0);
        const fs::path was = fs::current_path();
        fs::current_path(made.path);
        for (const auto& [file, bytes] : FixedFiles())
            Write(file, bytes);
        std::string out;
        std::string err;
        Require(Run({"draws", "import", "draws.txt", "--lottery", "cq", "--store", "store.sqlite"},
                    {}, out, err) == 0);
        made.store = ReadAll("store.sqlite");
        fs::current_path(was);
        return made;
    }();
    return folder;
}

// Everything a run made goes, everything it changed is put back.
void Restore(const Folder& folder) {
    std::error_code ec;
    for (const auto& entry : fs::directory_iterator(folder.path, ec)) {
        const std::string name = entry.path().filename().string();
        bool fixed = name == "store.sqlite";
        for (const auto& [file, bytes] : FixedFiles())
            fixed = fixed || name == file;
        if (!fixed)
            fs::remove_all(entry.path(), ec);
    }
    for (const auto& [file, bytes] : FixedFiles())
        Write(file, bytes);
    Write("store.sqlite", folder.store);
}

// A word may name files in the folder only: no folder separator, no parent.
std::string InFolder(std::string word) {
    for (char& c : word)
        if (c == '/')
            c = '_';
    for (std::size_t at; (at = word.find("..")) != std::string::npos;)
        word[at + 1] = '_';
    return word;
}

// The fuzzer reads its corpus and writes what it finds by paths relative to
// the folder it was started in, so each run goes back there when it ends.
struct InFolderWhileAlive {
    fs::path was = fs::current_path();
    explicit InFolderWhileAlive(const fs::path& folder) { fs::current_path(folder); }
    ~InFolderWhileAlive() { fs::current_path(was); }
    InFolderWhileAlive(const InFolderWhileAlive&) = delete;
    InFolderWhileAlive& operator=(const InFolderWhileAlive&) = delete;
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const Folder& folder = TheFolder();
    const InFolderWhileAlive inFolder(folder.path);
    const std::string_view bytes(reinterpret_cast<const char*>(data), size);
    const std::size_t end = bytes.find(std::string_view("\0\0", 2));
    const std::string_view line = bytes.substr(0, end);
    const std::string_view input =
        end == std::string_view::npos ? std::string_view() : bytes.substr(end + 2);

    std::vector<std::string> words = sorvanta::fuzz::PiecesAtNul(data, line.size());
    if (line.empty() || words.size() > 24)
        return 0;
    for (std::string& word : words)
        word = InFolder(std::move(word));
    // `draws fetch` talks to a network source (or waits 15 s for one): the
    // fuzzer stays off the network, and what a source serves is the draw
    // text that fuzz_draw_text covers.
    if (std::find(words.begin(), words.end(), "fetch") != words.end())
        return 0;

    Write("in", input);
    std::string out;
    std::string err;
    const int status = Run(words, input, out, err);
    Restore(folder);
    // For looking at an input by hand: what the tool was given and said.
    if (std::getenv("SORVANTA_FUZZ_SHOW") != nullptr) {
        for (const std::string& word : words)
            std::cerr << "[" << word << "] ";
        std::cerr << "-> " << status << "\n" << out.substr(0, 400) << err;
    }

    Require(status == 0 || status == 1 || status == 2);
    if (status == 0) {
        Require(err.empty());
    } else {
        Require(err.starts_with("sorvanta-cli: ") && err.ends_with('\n'));
        Require(err.find('\n') + 1 == err.size());
    }
    return 0;
}
