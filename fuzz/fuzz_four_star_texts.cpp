// Typed and pasted text in every box of the four-star panel: the bytes are
// cut at NUL into the panel's text fields, so every parser of box text sees
// arbitrary input in one run.
#include "engine4/pipeline.hpp"
#include "panel_texts.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using sorvanta::four::FourStarInput;
    const std::vector<std::string> pieces = sorvanta::fuzz::PiecesAtNul(data, size);
    FourStarInput in;
    sorvanta::fuzz::FillTexts(
        pieces,
        {&in.kill_direct, &in.junk_compounds, &in.kill_pairs, &in.require_pairs, &in.kill_triples,
         &in.require_triples, &in.kill_patterns, &in.kill_sums, &in.base_set,
         &in.junk_compounds_tolerance.upper, &in.kill_pairs_tolerance.upper, &in.two_star_splice[0],
         &in.two_star_splice[5], &in.three_star_splice[3], &in.total_tolerance.upper});
    static sorvanta::four::FourStarState state;
    sorvanta::four::RunShrinkPipeline(in, state);
    return 0;
}
