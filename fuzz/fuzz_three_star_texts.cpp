// Typed and pasted text in every box of the three-star panel: the bytes are
// cut at NUL into the panel's text fields, so every parser of box text
// (number lists, compound lines, pair boxes, broken-group rules, position
// match rules, tolerance texts) sees arbitrary input in one run.
#include "engine23/three_star_commands.hpp"
#include "engine23/three_star_pipeline.hpp"
#include "panel_texts.hpp"

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    using sorvanta::three::ThreeStarInput;
    const std::vector<std::string> pieces = sorvanta::fuzz::PiecesAtNul(data, size);
    ThreeStarInput in;
    std::size_t k = sorvanta::fuzz::FillTexts(
        pieces,
        {&in.kill_direct, &in.kill_group, &in.junk_compounds, &in.kill_pairs, &in.require_pairs,
         &in.position_kill_pairs[0], &in.position_require_pairs[2], &in.pair_sums.keep_sum[0],
         &in.pair_sums.exclude_sum_tail[2], &in.broken_groups, &in.largest_digits,
         &in.smallest_digits, &in.base_set, &in.must_keep, &in.junk_compounds_tolerance.lower,
         &in.position_kill_tolerance.upper, &in.total_tolerance.upper});
    for (; k < pieces.size() && in.position_match.size() < 8; ++k)
        in.position_match.push_back(pieces[k]);
    static sorvanta::three::ThreeStarState state;
    sorvanta::three::RunThreeStarShrink(in, state);
    (void)sorvanta::three::SuggestBankers(in.kill_direct);
    (void)sorvanta::three::RunIntersectionTool(in.kill_group, in.base_set,
                                               sorvanta::SetOperation::Union);
    return 0;
}
