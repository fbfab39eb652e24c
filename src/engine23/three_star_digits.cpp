// Groups 10 to 19 (Part 3.3): position match, positional bankers, broken
// groups, kill sum tail, kill span, bankers, kill sum, exclude compound,
// positional kill, banker groups.

#include "common/text.hpp"
#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <array>
#include <bit>
#include <string>
#include <vector>

namespace sorvanta::three {

namespace {

// Allowed counts when a row chooses none: 1, 2 and 3.
constexpr std::uint16_t kOneToThree = 0b1110;

int PositionOf(char32_t c) {
    for (std::size_t p = 0; p < kPositionLetters.size(); ++p)
        if (DecodeUtf8(kPositionLetters[p]) == std::u32string(1, c))
            return static_cast<int>(p);
    return -1;
}

} // namespace

MatchRule ParseMatchRule(std::string_view rule) {
    MatchRule parsed;
    const std::u32string chars = DecodeUtf8(rule);
    if (chars.empty())
        return parsed;
    std::u32string comparison;
    for (char32_t c : chars)
        if (PositionOf(c) < 0)
            comparison.push_back(c);
    parsed.left = PositionOf(chars.front());
    parsed.right = PositionOf(chars.back());
    for (std::size_t k = 0; k < kComparisons.size(); ++k)
        if (DecodeUtf8(kComparisons[k]) == comparison)
            parsed.comparison = static_cast<Comparison>(k);
    return parsed;
}

bool Holds(const MatchRule& rule, const std::array<std::uint8_t, 3>& digits) {
    if (rule.left < 0 || rule.right < 0)
        return false;
    const int a = digits[static_cast<std::size_t>(rule.left)];
    const int b = digits[static_cast<std::size_t>(rule.right)];
    switch (rule.comparison) {
    case Comparison::Greater:
        return a > b;
    case Comparison::Less:
        return a < b;
    case Comparison::Equal:
        return a == b;
    case Comparison::GreaterOrEqual:
        return a >= b;
    case Comparison::LessOrEqual:
        return a <= b;
    case Comparison::NotEqual:
        return a != b;
    case Comparison::Never:
        break;
    }
    return false;
}

bool ApplyPositionMatch(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (input.position_match.empty())
        return false;
    std::vector<MatchRule> rules;
    rules.reserve(input.position_match.size());
    for (const std::string& rule : input.position_match)
        rules.push_back(ParseMatchRule(rule));
    // The rules are alternatives: one that holds lets the candidate pass.
    // A rule depends only on its two digits, so each is a 10 x 10 table.
    std::array<std::uint8_t, 1000> passes{};
    const auto& candidates = detail::Candidates();
    for (const MatchRule& rule : rules)
        for (int n = 0; n < kThreeStarCandidates; ++n)
            passes[static_cast<std::size_t>(n)] |=
                Holds(rule, candidates[static_cast<std::size_t>(n)].digits) ? 1 : 0;
    for (int n = 0; n < kThreeStarCandidates; ++n)
        marks[static_cast<std::size_t>(n)] = passes[static_cast<std::size_t>(n)] ? 0 : 1;
    return true;
}

bool ApplyPositionalBankers(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const PositionalBankers& bankers = input.positional_bankers;
    const std::array<std::uint16_t, 3> rows = {star::Mask(bankers.hundreds),
                                               star::Mask(bankers.tens), star::Mask(bankers.units)};
    if ((rows[0] | rows[1] | rows[2]) == 0)
        return false;
    std::uint16_t allowed = detail::CountMask(bankers.counts);
    if (allowed == 0)
        allowed = kOneToThree;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        const int count = (star::Has(rows[0], d[0]) ? 1 : 0) + (star::Has(rows[1], d[1]) ? 1 : 0) +
                          (star::Has(rows[2], d[2]) ? 1 : 0);
        if (!star::Has(allowed, count))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

namespace {

struct BrokenGroupRule {
    std::vector<std::uint16_t> groups; // digit masks, at most 21
    std::uint16_t counts = 0;          // allowed k, bits 0..9
};

std::vector<BrokenGroupRule> ReadBrokenGroupRules(std::string_view box) {
    constexpr std::size_t kMostGroups = 21;
    std::vector<BrokenGroupRule> rules;
    const std::string text =
        star::WithoutBlanks(only_str(star::WithCrLf(detail::BoxText(box)), "0123456789-=\r\n"));
    for (std::string_view line : star::SplitAtCrLf(text)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            continue;
        BrokenGroupRule rule;
        // Ruling 8: the groups are the text before the first "=", the counts
        // every digit after it.
        std::uint16_t group = 0;
        for (char c : line.substr(0, equals)) {
            if (c == '-') {
                rule.groups.push_back(group);
                group = 0;
            } else if (c >= '0' && c <= '9') {
                group = static_cast<std::uint16_t>(group | (1u << (c - '0')));
            }
        }
        rule.groups.push_back(group);
        if (rule.groups.size() > kMostGroups)
            rule.groups.resize(kMostGroups);
        for (char c : line.substr(equals + 1))
            if (c >= '0' && c <= '9')
                rule.counts = static_cast<std::uint16_t>(rule.counts | (1u << (c - '0')));
        rules.push_back(std::move(rule));
    }
    return rules;
}

} // namespace

bool ApplyBrokenGroups(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::vector<BrokenGroupRule> rules = ReadBrokenGroupRules(input.broken_groups);
    if (rules.empty())
        return false;
    // A rule's verdict depends only on which digits occur: 1024 digit sets.
    std::array<std::uint8_t, 1024> failing{};
    const auto& candidates = detail::Candidates();
    std::array<std::uint8_t, 1024> seen{};
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const std::uint16_t present = candidates[static_cast<std::size_t>(n)].present;
        if (!seen[present]) {
            seen[present] = 1;
            for (const BrokenGroupRule& rule : rules) {
                int k = 0;
                for (std::uint16_t group : rule.groups)
                    k += (group & present) != 0 ? 1 : 0;
                if (k > 9 || !star::Has(rule.counts, k)) {
                    failing[present] = 1;
                    break;
                }
            }
        }
        marks[static_cast<std::size_t>(n)] = failing[present];
    }
    return true;
}

bool ApplyKillSumTails(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t tails = star::Mask(input.kill_sum_tails);
    if (tails == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (star::Has(tails, candidates[static_cast<std::size_t>(n)].sum % 10))
            marks[static_cast<std::size_t>(n)] = 1;
    return true;
}

bool ApplyKillSpans(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t spans = star::Mask(input.kill_spans);
    if (spans == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (star::Has(spans, candidates[static_cast<std::size_t>(n)].span))
            marks[static_cast<std::size_t>(n)] = 1;
    return true;
}

bool ApplyBankers(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::uint16_t bankers = star::Mask(input.bankers);
    if (bankers == 0)
        return false;
    std::uint16_t allowed = 0;
    switch (input.bankers_at_least) {
    case 1:
        allowed = 0b1110;
        break;
    case 2:
        allowed = 0b1100;
        break;
    case 3:
        allowed = 0b1000;
        break;
    default:
        break; // no option on: no count is allowed
    }
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const int count = std::popcount(
            static_cast<unsigned>(candidates[static_cast<std::size_t>(n)].present & bankers));
        if (!star::Has(allowed, count))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyKillSums(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (input.kill_sums.none())
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (input.kill_sums.test(candidates[static_cast<std::size_t>(n)].sum))
            marks[static_cast<std::size_t>(n)] = 1;
    return true;
}

bool ApplyExcludeCompound(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::array<std::uint16_t, 3> rows = {star::Mask(input.exclude_compound[0]),
                                               star::Mask(input.exclude_compound[1]),
                                               star::Mask(input.exclude_compound[2])};
    if (rows[0] == 0 || rows[1] == 0 || rows[2] == 0)
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        if (star::Has(rows[0], d[0]) && star::Has(rows[1], d[1]) && star::Has(rows[2], d[2]))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyPositionKill(const ThreeStarInput& input, ThreeStarMarks& marks) {
    const std::array<std::uint16_t, 3> rows = {star::Mask(input.position_kill[0]),
                                               star::Mask(input.position_kill[1]),
                                               star::Mask(input.position_kill[2])};
    if ((rows[0] | rows[1] | rows[2]) == 0)
        return false;
    // The lists Cb_rc 0 and 1, each read as a number; the allowed counts are
    // the values 0 to 9 between them.
    const std::int32_t lower = ReadLeadingNumber(input.position_kill_tolerance.lower);
    const std::int32_t upper = ReadLeadingNumber(input.position_kill_tolerance.upper);
    std::uint16_t allowed = 0;
    for (int count = 0; count <= 9; ++count)
        if (count >= lower && count <= upper)
            allowed = static_cast<std::uint16_t>(allowed | (1u << count));
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const auto& d = candidates[static_cast<std::size_t>(n)].digits;
        const int count = (star::Has(rows[0], d[0]) ? 1 : 0) + (star::Has(rows[1], d[1]) ? 1 : 0) +
                          (star::Has(rows[2], d[2]) ? 1 : 0);
        if (!star::Has(allowed, count))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

bool ApplyBankerGroups(const ThreeStarInput& input, ThreeStarMarks& marks) {
    struct Row {
        std::uint16_t digits;
        std::uint16_t counts;
    };
    std::array<Row, 4> rows{};
    std::size_t active = 0;
    for (const BankerRow& row : input.banker_rows) {
        const std::uint16_t digits = star::Mask(row.digits);
        if (digits == 0)
            continue;
        const std::uint16_t counts = detail::CountMask(row.counts);
        rows[active++] = {digits, counts == 0 ? kOneToThree : counts};
    }
    if (active == 0)
        return false;
    const std::uint32_t allowed = detail::AllowedMask(input.banker_tolerance.Allowed());
    const bool repeats = input.banker_count_repeats;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const detail::CandidateInfo& c = candidates[static_cast<std::size_t>(n)];
        int wrong = 0;
        for (std::size_t r = 0; r < active; ++r) {
            const std::uint16_t digits = rows[r].digits;
            const int hits = repeats ? (star::Has(digits, c.digits[0]) ? 1 : 0) +
                                           (star::Has(digits, c.digits[1]) ? 1 : 0) +
                                           (star::Has(digits, c.digits[2]) ? 1 : 0)
                                     : std::popcount(static_cast<unsigned>(c.present & digits));
            wrong += star::Has(rows[r].counts, hits) ? 0 : 1;
        }
        if (!star::Has(allowed, wrong))
            marks[static_cast<std::size_t>(n)] = 1;
    }
    return true;
}

} // namespace sorvanta::three
