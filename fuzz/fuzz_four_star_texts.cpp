// Typed and pasted text in every box of the four-star panel: the bytes are
// cut at NUL into the panel's text fields, so every parser of box text sees
// arbitrary input in one run.
#include "engine4/pipeline.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using sorvanta::four::FourStarInput;
    std::vector<std::string> pieces(1);
    for (std::size_t i = 0; i < size; ++i) {
        if (data[i] == 0)
            pieces.emplace_back();
        else
            pieces.back().push_back(static_cast<char>(data[i]));
    }
    FourStarInput in;
    std::string* texts[] = {&in.kill_direct,
                            &in.junk_compounds,
                            &in.kill_pairs,
                            &in.require_pairs,
                            &in.kill_triples,
                            &in.require_triples,
                            &in.kill_patterns,
                            &in.kill_sums,
                            &in.base_set,
                            &in.junk_compounds_tolerance.upper,
                            &in.kill_pairs_tolerance.upper,
                            &in.two_star_splice[0],
                            &in.two_star_splice[5],
                            &in.three_star_splice[3],
                            &in.total_tolerance.upper};
    std::size_t k = 0;
    for (std::string* text : texts)
        if (k < pieces.size())
            *text = pieces[k++];
    static sorvanta::four::FourStarState state;
    sorvanta::four::RunShrinkPipeline(in, state);
    return 0;
}
