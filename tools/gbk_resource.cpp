// Build step: turns the UTF-8 help source into the GBK bytes the program
// embeds. A character GBK cannot hold must stop the build, not turn into a
// question mark in a message box, so every failure names the file and line.
//
//     gbk_resource INPUT.txt OUTPUT.gbk

#include "common/text.hpp"

#include <iconv.h>

#include <cerrno>
#include <cstdio>
#include <fstream>
#include <iostream>
#include <iterator>
#include <sstream>
#include <string>
#include <string_view>

namespace {

class Converter {
public:
    Converter() : cd_(iconv_open("GBK", "UTF-8")) {}
    ~Converter() {
        if (ok())
            iconv_close(cd_);
    }
    Converter(const Converter&) = delete;
    Converter& operator=(const Converter&) = delete;

    bool ok() const { return cd_ != reinterpret_cast<iconv_t>(-1); }

    // Appends the GBK form of `line` to `out`; on failure returns the byte
    // offset in `line` where conversion stopped.
    bool Convert(std::string_view line, std::string& out, std::size_t& failedAt) {
        iconv(cd_, nullptr, nullptr, nullptr, nullptr);
        char* in = const_cast<char*>(line.data());
        std::size_t inLeft = line.size();
        char buffer[4096];
        while (inLeft > 0) {
            char* outPtr = buffer;
            std::size_t outLeft = sizeof buffer;
            const std::size_t result = iconv(cd_, &in, &inLeft, &outPtr, &outLeft);
            out.append(buffer, static_cast<std::size_t>(outPtr - buffer));
            if (result == static_cast<std::size_t>(-1) && errno != E2BIG) {
                failedAt = static_cast<std::size_t>(in - line.data());
                return false;
            }
        }
        return true;
    }

private:
    iconv_t cd_;
};

} // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: gbk_resource INPUT OUTPUT\n";
        return 2;
    }
    const std::string inputPath = argv[1];
    const std::string outputPath = argv[2];

    std::ifstream input(inputPath, std::ios::binary);
    if (!input) {
        std::cerr << inputPath << ": cannot be read\n";
        return 1;
    }
    const std::string text((std::istreambuf_iterator<char>(input)),
                           std::istreambuf_iterator<char>());

    Converter converter;
    if (!converter.ok()) {
        std::cerr << "gbk_resource: this system's iconv has no GBK converter\n";
        return 1;
    }

    std::string gbk;
    gbk.reserve(text.size());
    bool failed = false;
    std::size_t lineStart = 0;
    for (int lineNumber = 1; lineStart < text.size(); ++lineNumber) {
        std::size_t lineEnd = text.find('\n', lineStart);
        lineEnd = lineEnd == std::string::npos ? text.size() : lineEnd + 1;
        const std::string_view line(text.data() + lineStart, lineEnd - lineStart);
        std::size_t failedAt = 0;
        if (!converter.Convert(line, gbk, failedAt)) {
            failed = true;
            const sorvanta::Utf8Sequence at = sorvanta::ReadUtf8Sequence(line, failedAt);
            std::ostringstream where;
            where << inputPath << ':' << lineNumber << ':'
                  << sorvanta::CountCharacters(line.substr(0, failedAt)) + 1 << ": ";
            if (at.length == 0) {
                std::cerr << where.str() << "not valid UTF-8\n";
            } else {
                char code[16];
                std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(at.value));
                std::cerr << where.str() << "character " << code << " \""
                          << line.substr(failedAt, at.length) << "\" cannot be encoded in GBK\n";
            }
        }
        lineStart = lineEnd;
    }
    if (failed)
        return 1;

    // Written beside the target and renamed, so a failed or cut-off run never
    // leaves a half file that the build would take as up to date.
    const std::string temporary = outputPath + ".part";
    {
        std::ofstream output(temporary, std::ios::binary | std::ios::trunc);
        output.write(gbk.data(), static_cast<std::streamsize>(gbk.size()));
        if (!output) {
            std::cerr << outputPath << ": cannot be written\n";
            return 1;
        }
    }
    if (std::rename(temporary.c_str(), outputPath.c_str()) != 0) {
        std::cerr << outputPath << ": cannot be written\n";
        std::remove(temporary.c_str());
        return 1;
    }
    return 0;
}
