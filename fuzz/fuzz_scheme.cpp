// Any bytes as a scheme file: either a one-line SchemeError or an input the
// pipeline runs to the end, never anything else.
#include "engine4/pipeline.hpp"
#include "scheme/scheme.hpp"

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
    static sorvanta::four::FourStarState state;
    sorvanta::four::RunShrinkPipeline(scheme.four, state);
    // What was written must load back to the same panel.
    if (!(sorvanta::scheme::ParseScheme(sorvanta::scheme::WriteFourStarScheme(scheme.four)).four ==
          scheme.four))
        std::abort();
    return 0;
}
