#include "engine4/splices.hpp"

#include "common/base_number_table.hpp"

#include <algorithm>
#include <cstddef>
#include <cstdint>

namespace sorvanta::four {

namespace {

constexpr int kTwoStarColumn = 13;
constexpr int kThreeStarColumn = 14;

// Positions 0..3 (千 百 十 个) each box covers, in the boxes' order.
constexpr std::array<std::array<std::size_t, 2>, 6> kPairs = {
    {{0, 1}, {0, 2}, {0, 3}, {1, 2}, {1, 3}, {2, 3}}};
constexpr std::array<std::array<std::size_t, 3>, 4> kTriples = {
    {{0, 1, 2}, {0, 1, 3}, {0, 2, 3}, {1, 2, 3}}};

// What each position's digit is worth in a box's key, the box's digits read
// as one number with its first position first (千**个 of 9001 is 91).
template <std::size_t Width>
std::array<int, 4> KeyWeights(const std::array<std::size_t, Width>& positions) {
    std::array<int, 4> weights{};
    int weight = 1;
    for (std::size_t k = Width; k-- > 0;) {
        weights[positions[k]] = weight;
        weight *= 10;
    }
    return weights;
}

// Whether the box holds a number of its width: a box that does not takes
// no part.
bool BoxInUse(const std::string& text, std::size_t width) {
    return ReadBaseNumberTable(text, static_cast<int>(width)).InUse();
}

template <std::size_t Boxes>
bool AnyBoxInUse(const std::array<std::string, Boxes>& texts, std::size_t width) {
    return std::any_of(texts.begin(), texts.end(),
                       [&](const std::string& text) { return BoxInUse(text, width); });
}

// Returns whether a box was in use.
template <std::size_t Width, std::size_t Boxes>
bool ApplySplice(const std::array<std::string, Boxes>& texts,
                 const std::array<std::array<std::size_t, Width>, Boxes>& positions,
                 SpliceMode mode, const RangeText& tolerance, int column, CandidateSet& set) {
    constexpr int kKeys = Width == 2 ? 100 : 1000;
    // Failures per candidate, box by box: each box adds 1 where it lacks the
    // candidate's digits. At most four or six boxes, so a byte holds it.
    std::array<std::uint8_t, CandidateSet::kCandidates> fails{};
    bool anyInUse = false;
    for (std::size_t j = 0; j < Boxes; ++j) {
        const BaseNumberTable table = ReadBaseNumberTable(texts[j], static_cast<int>(Width));
        if (!table.InUse()) // the rule of BoxInUse, on the table already read
            continue;
        anyInUse = true;
        std::array<std::uint8_t, kKeys> misses{};
        for (int key = 0; key < kKeys; ++key) {
            const int a = Width == 2 ? key / 10 : key / 100;
            const int b = Width == 2 ? key % 10 : key / 10 % 10;
            const int c = Width == 2 ? 0 : key % 10;
            misses[static_cast<std::size_t>(key)] = table.at(a, b, c) != 0 ? 0 : 1;
        }
        const std::array<int, 4> w = KeyWeights(positions[j]);
        std::size_t n = 0;
        for (int a = 0; a < 10; ++a)
            for (int b = 0; b < 10; ++b)
                for (int c = 0; c < 10; ++c) {
                    const int head = a * w[0] + b * w[1] + c * w[2];
                    for (int d = 0; d < 10; ++d, ++n)
                        fails[n] = static_cast<std::uint8_t>(
                            fails[n] + misses[static_cast<std::size_t>(head + d * w[3])]);
                }
    }
    if (!anyInUse)
        return false;

    // Keep marks what the range refuses, delete what it allows.
    const AllowedCounts allowed = tolerance.Allowed();
    std::array<bool, Boxes + 1> mark{};
    for (std::size_t f = 0; f <= Boxes; ++f)
        mark[f] = allowed.Allows(static_cast<int>(f)) == (mode == SpliceMode::Delete);
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        if (mark[fails[static_cast<std::size_t>(n)]])
            set.at(n, column) = 1;
    return true;
}

SpliceMode ModeOf(bool deleting) {
    return deleting ? SpliceMode::Delete : SpliceMode::Keep;
}

} // namespace

bool TwoStarSpliceInUse(const FourStarInput& input) {
    return AnyBoxInUse(input.two_star_splice, 2);
}

bool ApplyTwoStarSplice(const FourStarInput& input, const CandidateDigits&, CandidateSet& set) {
    return ApplyTwoStarSplice(input.two_star_splice, ModeOf(input.two_star_splice_delete),
                              input.two_star_splice_tolerance, set);
}

bool ThreeStarSpliceInUse(const FourStarInput& input) {
    return AnyBoxInUse(input.three_star_splice, 3);
}

bool ApplyThreeStarSplice(const FourStarInput& input, const CandidateDigits&, CandidateSet& set) {
    return ApplyThreeStarSplice(input.three_star_splice, ModeOf(input.three_star_splice_delete),
                                input.three_star_splice_tolerance, set);
}

bool ApplyTwoStarSplice(const std::array<std::string, 6>& boxes, SpliceMode mode,
                        const RangeText& tolerance, CandidateSet& set) {
    return ApplySplice<2>(boxes, kPairs, mode, tolerance, kTwoStarColumn, set);
}

bool ApplyThreeStarSplice(const std::array<std::string, 4>& boxes, SpliceMode mode,
                          const RangeText& tolerance, CandidateSet& set) {
    return ApplySplice<3>(boxes, kTriples, mode, tolerance, kThreeStarColumn, set);
}

} // namespace sorvanta::four
