// Groups 10 to 19: position match, positional bankers, broken
// groups, kill sum tail, kill span, bankers, kill sum, exclude compound,
// positional kill, banker groups.

#include "common/text.hpp"
#include "engine23/star_text.hpp"
#include "engine23/three_star_support.hpp"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

namespace sorvanta::three {

namespace {

// A digit row per position (百 十 个), as masks.
struct PositionRows {
    explicit PositionRows(const std::array<DigitSet, 3>& rows)
        : masks{star::Mask(rows[0]), star::Mask(rows[1]), star::Mask(rows[2])} {}
    // How many of a number's digits stand in their position's row.
    int Hits(const std::array<std::uint8_t, 3>& d) const {
        return (star::Has(masks[0], d[0]) ? 1 : 0) + (star::Has(masks[1], d[1]) ? 1 : 0) +
               (star::Has(masks[2], d[2]) ? 1 : 0);
    }
    std::array<std::uint16_t, 3> masks;
};

// Allowed counts when a row chooses none: 1, 2 and 3.
constexpr std::uint16_t kOneToThree = 0b1110;

// The position letters and comparisons as code points, decoded once.
const std::array<char32_t, 3>& PositionCodePoints() {
    static const std::array<char32_t, 3> points = [] {
        std::array<char32_t, 3> p{};
        for (std::size_t i = 0; i < p.size(); ++i)
            p[i] = DecodeUtf8(kPositionLetters[i]).front();
        return p;
    }();
    return points;
}

const std::array<std::u32string, 6>& ComparisonTexts() {
    static const std::array<std::u32string, 6> texts = [] {
        std::array<std::u32string, 6> t;
        for (std::size_t i = 0; i < t.size(); ++i)
            t[i] = DecodeUtf8(kComparisons[i]);
        return t;
    }();
    return texts;
}

int PositionOf(char32_t c) {
    const auto& points = PositionCodePoints();
    for (std::size_t p = 0; p < points.size(); ++p)
        if (points[p] == c)
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
        if (ComparisonTexts()[k] == comparison)
            parsed.comparison = static_cast<Comparison>(k);
    return parsed;
}

namespace {

bool Compare(Comparison comparison, int a, int b) {
    switch (comparison) {
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

} // namespace

bool PositionMatchInUse(const ThreeStarInput& input) {
    return !input.position_match.empty();
}

bool ApplyPositionMatch(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!PositionMatchInUse(input))
        return false;
    std::vector<MatchRule> rules;
    rules.reserve(input.position_match.size());
    for (const std::string& rule : input.position_match)
        rules.push_back(ParseMatchRule(rule));
    // The rules are alternatives: one that holds lets the candidate pass. A
    // rule looks at two positions only, so the rules are folded into one
    // table of digit pairs for each of 百十, 百个, 十个 (a rule written the
    // other way round, 个 before 百, lands transposed); a rule with one
    // position on both sides holds for every candidate or for none.
    std::array<std::array<std::uint8_t, 100>, 3> holds{};
    bool alwaysHolds = false;
    for (const MatchRule& rule : rules) {
        if (rule.left < 0 || rule.right < 0 || rule.comparison == Comparison::Never)
            continue;
        if (rule.left == rule.right) {
            alwaysHolds = alwaysHolds || Compare(rule.comparison, 0, 0);
            continue;
        }
        const int low = std::min(rule.left, rule.right);
        const int high = std::max(rule.left, rule.right);
        std::array<std::uint8_t, 100>& table =
            holds[static_cast<std::size_t>(low + high - 1)]; // 百十 0, 百个 1, 十个 2
        for (int a = 0; a < 10; ++a)     // the digit at the rule's left position
            for (int b = 0; b < 10; ++b) // ... at its right position
                if (Compare(rule.comparison, a, b))
                    table[static_cast<std::size_t>(rule.left < rule.right
                                                       ? detail::PairIndex(a, b)
                                                       : detail::PairIndex(b, a))] = 1;
    }
    if (alwaysHolds)
        return true; // every candidate passes
    const auto& codes = detail::PairCodes();
    const auto& ht = codes[detail::kHundredsTens];
    const auto& hu = codes[detail::kHundredsUnits];
    const auto& tu = codes[detail::kTensUnits];
    for (std::size_t n = 0; n < marks.size(); ++n)
        marks[n] =
            static_cast<std::uint8_t>((holds[0][ht[n]] | holds[1][hu[n]] | holds[2][tu[n]]) ^ 1u);
    return true;
}

bool PositionalBankersInUse(const ThreeStarInput& input) {
    const PositionalBankers& bankers = input.positional_bankers;
    return bankers.hundreds.any() || bankers.tens.any() || bankers.units.any();
}

bool ApplyPositionalBankers(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!PositionalBankersInUse(input))
        return false;
    const PositionalBankers& bankers = input.positional_bankers;
    const PositionRows rows({bankers.hundreds, bankers.tens, bankers.units});
    std::uint16_t allowed = detail::CountMask(bankers.counts);
    if (allowed == 0)
        allowed = kOneToThree;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const int count = rows.Hits(candidates[static_cast<std::size_t>(n)].digits);
        marks[static_cast<std::size_t>(n)] = (!star::Has(allowed, count)) ? 1 : 0;
    }
    return true;
}

namespace {

struct BrokenGroupRule {
    // Bit g of member[d]: group g (0 .. 20) holds the digit d.
    std::array<std::uint32_t, 10> member{};
    std::uint16_t counts = 0; // allowed k, bits 0..9
    auto operator<=>(const BrokenGroupRule&) const = default;
};

// With `first`, stops at the first rule: enough to tell the group is on.
std::vector<BrokenGroupRule> ReadBrokenGroupRules(std::string_view box, bool first) {
    constexpr int kMostGroups = 21;
    std::vector<BrokenGroupRule> rules;
    // only_str with "0123456789-=" and the line breaks, then every blank
    // removed: the allowed characters in their order.
    const std::string text =
        star::KeepOnly(star::WithCrLf(detail::BoxText(box)), "0123456789-=\r\n");
    for (std::string_view line : star::SplitAtCrLf(text)) {
        const std::size_t equals = line.find('=');
        if (equals == std::string_view::npos || equals == 0)
            continue;
        BrokenGroupRule rule;
        // The groups are the text before the first "=" split at
        // "-" (an empty one holds nothing; past the 21st they are dropped),
        // the counts every digit after it.
        int group = 0;
        for (char c : line.substr(0, equals)) {
            if (c == '-')
                ++group;
            else if (c >= '0' && c <= '9' && group < kMostGroups)
                rule.member[static_cast<std::size_t>(c - '0')] |= 1u << group;
        }
        for (char c : line.substr(equals + 1))
            if (c >= '0' && c <= '9')
                rule.counts = static_cast<std::uint16_t>(rule.counts | (1u << (c - '0')));
        rules.push_back(rule);
        if (first)
            break;
    }
    return rules;
}

} // namespace

bool BrokenGroupsInUse(const ThreeStarInput& input) {
    return !ReadBrokenGroupRules(input.broken_groups, true).empty();
}

bool ApplyBrokenGroups(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!BrokenGroupsInUse(input))
        return false;
    std::vector<BrokenGroupRule> rules = ReadBrokenGroupRules(input.broken_groups, false);
    // Every rule must hold, so a rule given again adds nothing; a pasted
    // list repeats its rules over and over.
    std::sort(rules.begin(), rules.end());
    rules.erase(std::unique(rules.begin(), rules.end()), rules.end());
    // k = the groups holding h, t or u; a rule looks only at which digits
    // occur.
    detail::MarkByKind(marks, [&](const detail::CandidateInfo& c) {
        for (const BrokenGroupRule& rule : rules) {
            const std::uint32_t hit =
                rule.member[c.digits[0]] | rule.member[c.digits[1]] | rule.member[c.digits[2]];
            const int k = detail::kBitCount[hit & 0x3FFu] +
                          detail::kBitCount[(hit >> 10) & 0x3FFu] + static_cast<int>(hit >> 20);
            if (k > 9 || !star::Has(rule.counts, k))
                return true;
        }
        return false;
    });
    return true;
}

bool KillSumTailsInUse(const ThreeStarInput& input) {
    return input.kill_sum_tails.any();
}

bool ApplyKillSumTails(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillSumTailsInUse(input))
        return false;
    const std::uint16_t tails = star::Mask(input.kill_sum_tails);
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        marks[static_cast<std::size_t>(n)] =
            (star::Has(tails, candidates[static_cast<std::size_t>(n)].sum % 10)) ? 1 : 0;
    return true;
}

bool KillSpansInUse(const ThreeStarInput& input) {
    return input.kill_spans.any();
}

bool ApplyKillSpans(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillSpansInUse(input))
        return false;
    const std::uint16_t spans = star::Mask(input.kill_spans);
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        marks[static_cast<std::size_t>(n)] =
            (star::Has(spans, candidates[static_cast<std::size_t>(n)].span)) ? 1 : 0;
    return true;
}

bool BankersInUse(const ThreeStarInput& input) {
    return input.bankers.any();
}

bool ApplyBankers(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!BankersInUse(input))
        return false;
    const std::uint16_t bankers = star::Mask(input.bankers);
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
    // Distinct digits count: a repeated banker is one banker.
    detail::MarkByKind(marks, [&](const detail::CandidateInfo& c) {
        return !star::Has(allowed, detail::kBitCount[c.present & bankers]);
    });
    return true;
}

bool KillSumsInUse(const ThreeStarInput& input) {
    return input.kill_sums.any();
}

bool ApplyKillSums(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!KillSumsInUse(input))
        return false;
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        marks[static_cast<std::size_t>(n)] =
            (input.kill_sums.test(candidates[static_cast<std::size_t>(n)].sum)) ? 1 : 0;
    return true;
}

bool ExcludeCompoundInUse(const ThreeStarInput& input) {
    // Only a compound of three rows excludes anything.
    return std::all_of(input.exclude_compound.begin(), input.exclude_compound.end(),
                       [](const DigitSet& row) { return row.any(); });
}

bool ApplyExcludeCompound(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!ExcludeCompoundInUse(input))
        return false;
    const PositionRows rows(input.exclude_compound);
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n)
        marks[static_cast<std::size_t>(n)] =
            rows.Hits(candidates[static_cast<std::size_t>(n)].digits) == 3 ? 1 : 0;
    return true;
}

bool PositionKillInUse(const ThreeStarInput& input) {
    return std::any_of(input.position_kill.begin(), input.position_kill.end(),
                       [](const DigitSet& row) { return row.any(); });
}

bool ApplyPositionKill(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!PositionKillInUse(input))
        return false;
    const PositionRows rows(input.position_kill);
    // The two 容错 lists, each read as a number; the allowed counts are
    // the values 0 to 9 between them.
    const std::int32_t lower = ReadLeadingNumber(input.position_kill_tolerance.lower);
    const std::int32_t upper = ReadLeadingNumber(input.position_kill_tolerance.upper);
    std::uint16_t allowed = 0;
    for (int count = 0; count <= 9; ++count)
        if (count >= lower && count <= upper)
            allowed = static_cast<std::uint16_t>(allowed | (1u << count));
    const auto& candidates = detail::Candidates();
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        const int count = rows.Hits(candidates[static_cast<std::size_t>(n)].digits);
        marks[static_cast<std::size_t>(n)] = (!star::Has(allowed, count)) ? 1 : 0;
    }
    return true;
}

bool BankerGroupsInUse(const ThreeStarInput& input) {
    // Counts of a row without bankers are no condition.
    return std::any_of(input.banker_rows.begin(), input.banker_rows.end(),
                       [](const BankerRow& row) { return row.digits.any(); });
}

bool ApplyBankerGroups(const ThreeStarInput& input, ThreeStarMarks& marks) {
    if (!BankerGroupsInUse(input))
        return false;
    const star::BankerMasks<4> bankers(input.banker_rows, 0xF, kOneToThree);
    const std::uint32_t allowed = detail::AllowedMask(input.banker_tolerance.Allowed());
    const bool repeats = input.banker_count_repeats;
    // Hits count digits (distinct) or positions (胆码计重); neither looks at
    // where a digit stands.
    detail::MarkByKind(marks, [&](const detail::CandidateInfo& c) {
        int wrong = 0;
        for (std::size_t r = 0; r < bankers.size; ++r) {
            const std::uint16_t digits = bankers.rows[r].bankers;
            const int hits = repeats ? (star::Has(digits, c.digits[0]) ? 1 : 0) +
                                           (star::Has(digits, c.digits[1]) ? 1 : 0) +
                                           (star::Has(digits, c.digits[2]) ? 1 : 0)
                                     : detail::kBitCount[c.present & digits];
            wrong += star::Has(bankers.rows[r].counts, hits) ? 0 : 1;
        }
        return !star::Has(allowed, wrong);
    });
    return true;
}

} // namespace sorvanta::three
