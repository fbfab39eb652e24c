// Groups 1 to 3: kill direct numbers, kill group numbers, kill
// compound lines.

#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <array>
#include <string>
#include <vector>

namespace sorvanta::three {

namespace {

constexpr int kMinimumCharacters = 3;

} // namespace

bool KillDirectInUse(const ThreeStarInput& input) {
    // On at three cleaned characters, valid piece or not.
    return star::DigitsOnlyLengthAtLeast(detail::BoxText(input.kill_direct), kMinimumCharacters);
}

bool KillGroupInUse(const ThreeStarInput& input) {
    return star::DigitsOnlyLengthAtLeast(detail::BoxText(input.kill_group), kMinimumCharacters);
}

bool JunkCompoundsInUse(const ThreeStarInput& input) {
    // The length of what ApplyJunkCompounds keeps, counted without building
    // it: a line break without its "\r" gains one.
    const std::string_view text = detail::BoxText(input.junk_compounds);
    std::size_t kept = 0;
    for (std::size_t i = 0; i < text.size() && kept < kMinimumCharacters; ++i) {
        const char c = text[i];
        if (c == '\n' && (i == 0 || text[i - 1] != '\r'))
            ++kept;
        if ((c >= '0' && c <= '9') || c == '*' || c == '\r' || c == '\n')
            ++kept;
    }
    return kept >= kMinimumCharacters;
}

bool ApplyKillDirect(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillDirectInUse(input))
        return false;
    ForEachNumber(detail::BoxText(input.kill_direct), 3,
                  [&](int n) { marks[static_cast<std::size_t>(n)] = 1; });
    return true;
}

bool ApplyKillGroup(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillGroupInUse(input))
        return false;
    detail::MarkGroupsIn(detail::BoxText(input.kill_group), marks.data());
    return true;
}

bool ApplyJunkCompounds(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!JunkCompoundsInUse(input))
        return false;
    // only_str with "0123456789*" and the line breaks, then every blank
    // removed: the allowed characters in their order.
    const std::string text =
        star::KeepOnly(star::WithCrLf(detail::BoxText(input.junk_compounds)), "0123456789*\r\n");
    const AllowedCounts allowed = input.junk_compounds_tolerance.Allowed();

    // Each line of exactly three "*" parts covers every h t u whose digits
    // its parts contain; a candidate's hits are the lines covering it.
    std::array<std::uint32_t, kThreeStarCandidates> hits{};
    for (std::string_view line : star::SplitAtCrLf(text)) {
        std::array<std::uint16_t, 3> sets{};
        std::size_t part = 0;
        bool tooMany = false;
        for (char c : line) {
            if (c == '*') {
                if (++part == 3) {
                    tooMany = true;
                    break;
                }
            } else if (c >= '0' && c <= '9') {
                sets[part] = static_cast<std::uint16_t>(sets[part] | (1u << (c - '0')));
            }
        }
        if (tooMany || part != 2)
            continue;
        for (int h = 0; h < 10; ++h) {
            if (!star::Has(sets[0], h))
                continue;
            for (int t = 0; t < 10; ++t) {
                if (!star::Has(sets[1], t))
                    continue;
                for (int u = 0; u < 10; ++u)
                    if (star::Has(sets[2], u))
                        ++hits[static_cast<std::size_t>(h * 100 + t * 10 + u)];
            }
        }
    }
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const std::uint32_t count = hits[static_cast<std::size_t>(n)];
        marks[static_cast<std::size_t>(n)] =
            (!allowed.Allows(count > AllowedCounts::kSize ? AllowedCounts::kSize
                                                          : static_cast<int>(count)))
                ? 1
                : 0;
    }
    return true;
}

} // namespace sorvanta::three
