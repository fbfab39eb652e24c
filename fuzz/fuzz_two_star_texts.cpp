// Typed and pasted text in every box of the two-star panel: the bytes are cut
// at NUL into the panel's text fields (the kill list, the base set and the
// two boxes of every tolerance range). A piece left over after them picks
// buttons, one per byte, so the groups whose tolerance is read are on; the
// pieces after that are offered as captions, as a hand-edited scheme could.
#include "engine23/two_star_pipeline.hpp"
#include "panel_texts.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace sorvanta::two;

void Require(bool condition) {
    if (!condition)
        std::abort();
}

// One byte, one button: banker rows and their counts, the spans, the sums,
// the two position rows, the compound rows, then the captions of every
// caption block in the panel's order. A piece holds no NUL, so byte 1 is the
// first button.
void PressButton(unsigned char byte, TwoStarInput& in) {
    int b = byte - 1;
    if (b < 30) {
        in.banker_rows[static_cast<std::size_t>(b / 10)].digits.flip(
            static_cast<std::size_t>(b % 10));
        return;
    }
    b -= 30;
    if (b < 9) {
        in.banker_rows[static_cast<std::size_t>(b / 3)].counts.flip(
            static_cast<std::size_t>(b % 3));
        return;
    }
    b -= 9;
    if (b < 10) {
        in.kill_spans.flip(static_cast<std::size_t>(b));
        return;
    }
    b -= 10;
    if (b < 19) {
        in.kill_sums.flip(static_cast<std::size_t>(b));
        return;
    }
    b -= 19;
    if (b < 40) {
        auto& rows = b < 20 ? in.position_kill : in.compound_exclusion;
        rows[static_cast<std::size_t>(b % 20 / 10)].flip(static_cast<std::size_t>(b % 10));
        return;
    }
    b -= 40;
    const auto toggle = [](CaptionSet& set, std::string_view caption) {
        const std::string text(caption);
        if (!set.erase(text))
            set.insert(text);
    };
    for (auto [set, captions] : {std::pair{&in.shapes.big_small, &kBigSmallCaptions},
                                 std::pair{&in.shapes.odd_even, &kOddEvenCaptions},
                                 std::pair{&in.shapes.prime_composite, &kPrimeCompositeCaptions}}) {
        if (b < 4) {
            toggle(*set, (*captions)[static_cast<std::size_t>(b)]);
            return;
        }
        b -= 4;
    }
    if (b < 9) {
        toggle(in.shapes.route012, kRoute012Captions[static_cast<std::size_t>(b)]);
        return;
    }
    b -= 9;
    if (b < 5) {
        toggle(in.special_shapes, kSpecialShapeCaptions[static_cast<std::size_t>(b)]);
        return;
    }
    in.banker_count_repeats = !in.banker_count_repeats;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> pieces = sorvanta::fuzz::PiecesAtNul(data, size);
    TwoStarInput in;
    std::size_t k = sorvanta::fuzz::FillTexts(
        pieces,
        {&in.kill_list, &in.base_set, &in.banker_tolerance.lower, &in.banker_tolerance.upper,
         &in.position_kill_tolerance.lower, &in.position_kill_tolerance.upper,
         &in.shapes_tolerance.lower, &in.shapes_tolerance.upper, &in.special_shapes_tolerance.lower,
         &in.special_shapes_tolerance.upper, &in.total_tolerance.lower, &in.total_tolerance.upper});
    if (k < pieces.size())
        for (unsigned char byte : pieces[k++])
            PressButton(byte, in);
    for (; k < pieces.size(); ++k) {
        in.special_shapes.insert(pieces[k]);
        in.shapes.route012.insert(pieces[k]);
    }

    // The survivors and the numbers taken out share out 00 to 99, each
    // ascending; the group list holds a group exactly when a survivor
    // belongs to it.
    TwoStarState state;
    const std::vector<int> kept = RunTwoStarShrink(in, state);
    const std::vector<int> out = InvertTwoStar(in, state);
    const std::vector<int> groups = ConvertTwoStarToGroup(in, state);
    for (const std::vector<int>* numbers : {&kept, &out, &groups})
        for (std::size_t i = 0; i < numbers->size(); ++i)
            Require((*numbers)[i] >= 0 && (*numbers)[i] < 100 &&
                    (i == 0 || (*numbers)[i - 1] < (*numbers)[i]));
    std::vector<int> where(100, 0);
    for (int n : kept)
        where[static_cast<std::size_t>(n)] += 1;
    for (int n : out)
        where[static_cast<std::size_t>(n)] += 2;
    std::vector<bool> group(100, false);
    for (int n = 0; n < 100; ++n) {
        Require(where[static_cast<std::size_t>(n)] == 1 || where[static_cast<std::size_t>(n)] == 2);
        if (where[static_cast<std::size_t>(n)] == 1)
            group[static_cast<std::size_t>(std::min(n / 10, n % 10) * 10 +
                                           std::max(n / 10, n % 10))] = true;
    }
    std::size_t groupCount = 0;
    for (int g : groups) {
        Require(g / 10 <= g % 10 && group[static_cast<std::size_t>(g)]);
        ++groupCount;
    }
    Require(groupCount == static_cast<std::size_t>(std::count(group.begin(), group.end(), true)));
    return 0;
}
