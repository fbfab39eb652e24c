// Any bytes as a scheme file: either a one-line SchemeError or an input the
// pipeline runs to the end, never anything else.
#include "scheme/run_scheme.hpp"

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    sorvanta::scheme::Scheme scheme;
    try {
        scheme = sorvanta::scheme::ParseScheme(text);
    } catch (const sorvanta::scheme::SchemeError& e) {
        if (std::string_view(e.what()).find('\n') != std::string_view::npos)
            std::abort();
        return 0;
    }
    // What was written must load back to the same panel, and the headless
    // run must go to its end.
    if (!(sorvanta::scheme::ParseScheme(sorvanta::scheme::WriteScheme(scheme)).input ==
          scheme.input))
        std::abort();
    (void)sorvanta::scheme::RunScheme(scheme);
    return 0;
}
