#include "engine4/top_conditions.hpp"

#include "common/number_list.hpp"
#include "common/text.hpp"
#include "engine4/group_support.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <utility>
#include <vector>

namespace sorvanta::four {

using detail::MarkTable;

namespace {

constexpr int kColumn = 1;
constexpr std::uint16_t kAllDigits = 0x3FF;

int NumberOf(std::string_view digits) {
    int n = 0;
    for (char c : digits)
        n = n * 10 + detail::DigitValue(c);
    return n;
}

template <typename Fn> void ForEachDigit(std::uint16_t mask, Fn&& fn) {
    for (int d = 0; d < 10; ++d)
        if (detail::Has(mask, d))
            fn(d);
}

// Every number whose digit at each position lies in that position's set.
template <typename Fn> void ForEachCovered(const std::array<std::uint16_t, 4>& sets, Fn&& fn) {
    ForEachDigit(sets[0], [&](int a) {
        ForEachDigit(sets[1], [&](int b) {
            ForEachDigit(sets[2], [&](int c) {
                ForEachDigit(sets[3], [&](int d) { fn(a * 1000 + b * 100 + c * 10 + d); });
            });
        });
    });
}

// Each of the seven returns whether it took part: the rule
// TopConditionsInUse applies, on what the condition has read anyway.

bool KillDirectNumbers(std::string_view box, MarkTable& marks) {
    bool any = false;
    ForEachNumber(box, 4, [&](int n) {
        marks[static_cast<std::size_t>(n)] = 1;
        any = true;
    });
    return any;
}

using CompoundSets = std::array<std::uint16_t, 4>;

// One entry per line of four or more "*"-joined parts; shorter lines cover
// nothing and are dropped. Only the ASCII digits of a part count. A "\r"
// left by a "\r\n" line end is just another ignored character.
std::vector<CompoundSets> ReadCompounds(std::string_view box) {
    std::vector<CompoundSets> compounds;
    const std::string_view text = detail::TrimBlanks(box);
    if (text.empty() || text.find('*') == std::string_view::npos)
        return compounds;
    std::size_t start = 0;
    while (start <= text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string_view::npos)
            end = text.size();
        CompoundSets sets{};
        int part = 0;
        for (char c : text.substr(start, end - start)) {
            if (c == '*')
                ++part;
            else if (part < 4 && detail::IsDigit(c))
                sets[static_cast<std::size_t>(part)] |=
                    static_cast<std::uint16_t>(1u << detail::DigitValue(c));
        }
        if (part >= 3)
            compounds.push_back(sets);
        start = end + 1;
    }
    return compounds;
}

int ClampedCount(std::uint32_t count) {
    return static_cast<int>(std::min<std::uint32_t>(count, AllowedCounts::kSize));
}

bool KillJunkCompounds(std::string_view box, const RangeText& tolerance, MarkTable& marks) {
    const std::vector<CompoundSets> compounds = ReadCompounds(box);
    if (compounds.empty())
        return false;
    const AllowedCounts allowed = tolerance.Allowed();
    // A pasted list repeats its lines over and over: each distinct line is
    // walked once and counts as often as it was given.
    std::vector<std::uint64_t> keys;
    keys.reserve(compounds.size());
    for (const CompoundSets& sets : compounds)
        keys.push_back(static_cast<std::uint64_t>(sets[0]) << 48 |
                       static_cast<std::uint64_t>(sets[1]) << 32 |
                       static_cast<std::uint64_t>(sets[2]) << 16 | sets[3]);
    std::sort(keys.begin(), keys.end());
    std::vector<std::uint32_t> covers(CandidateSet::kCandidates, 0);
    for (std::size_t i = 0; i < keys.size();) {
        std::size_t j = i;
        while (j < keys.size() && keys[j] == keys[i])
            ++j;
        const auto times = static_cast<std::uint32_t>(j - i);
        const CompoundSets sets = {
            static_cast<std::uint16_t>(keys[i] >> 48), static_cast<std::uint16_t>(keys[i] >> 32),
            static_cast<std::uint16_t>(keys[i] >> 16), static_cast<std::uint16_t>(keys[i])};
        ForEachCovered(sets, [&](int n) { covers[static_cast<std::size_t>(n)] += times; });
        i = j;
    }
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        if (!allowed.Allows(ClampedCount(covers[static_cast<std::size_t>(n)])))
            marks[static_cast<std::size_t>(n)] = 1;
    return true;
}

// Combinations typed into a box, keyed by their digits in ascending order
// (21 and 12 are one key); a combination typed twice weighs two.
struct Combinations {
    std::array<std::uint32_t, 1000> weight{};
    bool boxEmpty = true; // nothing left after the digit filter
    bool any = false;     // at least one piece of the right length
};

Combinations ReadCombinations(std::string_view box, std::size_t width) {
    Combinations combinations;
    const std::string text = DigitsOnly(box);
    combinations.boxEmpty = text.empty();
    ForEachPiece(text, [&](std::string_view piece) {
        if (piece.size() != width)
            return;
        std::array<char, 3> sorted{};
        for (std::size_t i = 0; i < width; ++i) {
            std::size_t at = i;
            for (; at > 0 && sorted[at - 1] > piece[i]; --at)
                sorted[at] = sorted[at - 1];
            sorted[at] = piece[i];
        }
        ++combinations
              .weight[static_cast<std::size_t>(NumberOf(std::string_view(sorted.data(), width)))];
        combinations.any = true;
    });
    return combinations;
}

std::array<int, 4> Sorted(const CandidateDigits::Digits& d) {
    std::array<int, 4> s{d[0], d[1], d[2], d[3]};
    auto order = [&](int i, int j) {
        if (s[static_cast<std::size_t>(i)] > s[static_cast<std::size_t>(j)])
            std::swap(s[static_cast<std::size_t>(i)], s[static_cast<std::size_t>(j)]);
    };
    order(0, 1);
    order(2, 3);
    order(0, 2);
    order(1, 3);
    order(1, 2);
    return s;
}

// The distinct two-digit combinations a candidate contains, as sorted keys.
// A digit may repeat in a combination only as often as the candidate holds
// it: 1106 contains 11 and 16, 1206 contains 12 but not 11. On the sorted
// digits, a pair (i, j) is the first of its kind when neither index repeats
// the value just before it.
template <typename Fn> void ForEachContainedPair(const CandidateDigits::Digits& digits, Fn&& fn) {
    const std::array<int, 4> s = Sorted(digits);
    for (int i = 0; i < 3; ++i) {
        if (i > 0 && s[i] == s[i - 1])
            continue;
        for (int j = i + 1; j < 4; ++j) {
            if (j > i + 1 && s[j] == s[j - 1])
                continue;
            fn(s[i] * 10 + s[j]);
        }
    }
}

// The distinct three-digit combinations: all but one digit, dropping each
// distinct value once (1106 gives 106 and 116).
template <typename Fn> void ForEachContainedTriple(const CandidateDigits::Digits& digits, Fn&& fn) {
    const std::array<int, 4> s = Sorted(digits);
    for (int drop = 0; drop < 4; ++drop) {
        if (drop > 0 && s[drop] == s[drop - 1])
            continue;
        int key = 0;
        for (int k = 0; k < 4; ++k)
            if (k != drop)
                key = key * 10 + s[k];
        fn(key);
    }
}

// A number's digits taken as a multiset decide which combinations it
// contains; four digits make 715 such kinds. Each kind's combinations are
// worked out once, so a run weighs its entries per kind, not per candidate.
struct DigitKinds {
    static constexpr std::size_t kKinds = 715;
    struct Contained {
        std::array<std::uint16_t, 6> keys;
        std::uint8_t count;
    };
    std::array<std::uint16_t, CandidateSet::kCandidates> kindOf{};
    std::array<Contained, kKinds> pairs{};
    std::array<Contained, kKinds> triples{};
};

const DigitKinds& Kinds() {
    static const DigitKinds kinds = [] {
        DigitKinds k;
        std::array<int, CandidateSet::kCandidates> kindOfSorted;
        kindOfSorted.fill(-1);
        std::size_t next = 0;
        for (int code = 0; code < CandidateSet::kCandidates; ++code) {
            const CandidateDigits::Digits digits = detail::DigitsOfNumber(code);
            const std::array<int, 4> s = Sorted(digits);
            int& kind = kindOfSorted[static_cast<std::size_t>(
                ((s[0] * 10 + s[1]) * 10 + s[2]) * 10 + s[3])];
            if (kind < 0) {
                kind = static_cast<int>(next++);
                auto add = [](DigitKinds::Contained& contained) {
                    return [&contained](int key) {
                        contained.keys[contained.count++] = static_cast<std::uint16_t>(key);
                    };
                };
                ForEachContainedPair(digits, add(k.pairs[static_cast<std::size_t>(kind)]));
                ForEachContainedTriple(digits, add(k.triples[static_cast<std::size_t>(kind)]));
            }
            k.kindOf[static_cast<std::size_t>(code)] = static_cast<std::uint16_t>(kind);
        }
        return k;
    }();
    return kinds;
}

// Per kind, whether a candidate of that kind fails; then one lookup per
// candidate.
template <typename Fails>
void MarkByKind(const std::array<DigitKinds::Contained, DigitKinds::kKinds>& contained,
                const CandidateDigits& digits, MarkTable& marks, Fails fails) {
    const DigitKinds& kinds = Kinds();
    std::array<std::uint8_t, DigitKinds::kKinds> failing{};
    for (std::size_t kind = 0; kind < DigitKinds::kKinds; ++kind)
        failing[kind] = fails(contained[kind]) ? 1 : 0;
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        marks[static_cast<std::size_t>(n)] |= failing[kinds.kindOf[digits.Code(n)]];
}

bool KillCombinations(std::string_view box, std::size_t width, const RangeText& tolerance,
                      const CandidateDigits& digits, MarkTable& marks) {
    const Combinations combinations = ReadCombinations(box, width);
    if (!combinations.any)
        return false;
    const AllowedCounts allowed = tolerance.Allowed();
    const DigitKinds& kinds = Kinds();
    MarkByKind(width == 2 ? kinds.pairs : kinds.triples, digits, marks,
               [&](const DigitKinds::Contained& contained) {
                   std::uint32_t hits = 0;
                   for (std::size_t k = 0; k < contained.count; ++k)
                       hits += combinations.weight[contained.keys[k]];
                   return !allowed.Allows(ClampedCount(hits));
               });
    return true;
}

bool RequireCombinations(std::string_view box, std::size_t width, const CandidateDigits& digits,
                         MarkTable& marks) {
    const Combinations combinations = ReadCombinations(box, width);
    if (combinations.boxEmpty)
        return false;
    // A box with digits but no piece of the right length requires nothing
    // any candidate can contain, so every candidate fails it.
    const DigitKinds& kinds = Kinds();
    MarkByKind(width == 2 ? kinds.pairs : kinds.triples, digits, marks,
               [&](const DigitKinds::Contained& contained) {
                   for (std::size_t k = 0; k < contained.count; ++k)
                       if (combinations.weight[contained.keys[k]] != 0)
                           return false;
                   return true;
               });
    return true;
}

bool KillPositionalPatterns(std::string_view box, MarkTable& marks) {
    const std::string text = NormalisePatternText(box);
    if (text.empty())
        return false;
    bool any = false;
    // Each position is a digit or "*": eleven choices, so 11^4 pattern codes.
    std::vector<std::uint8_t> seen(11 * 11 * 11 * 11, 0);
    ForEachPiece(text, [&](std::string_view piece) {
        if (piece.size() != 4)
            return;
        any = true;
        int code = 0;
        std::array<std::uint16_t, 4> sets{};
        for (std::size_t p = 0; p < 4; ++p) {
            const char c = piece[p];
            const bool star = c == '*';
            code = code * 11 + (star ? 10 : detail::DigitValue(c));
            sets[p] = star ? kAllDigits : static_cast<std::uint16_t>(1u << detail::DigitValue(c));
        }
        if (seen[static_cast<std::size_t>(code)] != 0)
            return;
        seen[static_cast<std::size_t>(code)] = 1;
        ForEachCovered(sets, [&](int n) { marks[static_cast<std::size_t>(n)] = 1; });
    });
    return any;
}

} // namespace

std::string NormalisePatternText(std::string_view text) {
    return detail::BlankOutAndSqueeze(
        text, [](char c) { return detail::IsDigit(c) || c == '*' || c == ' '; });
}

std::array<bool, 7> TopConditionsInUse(const FourStarInput& input) {
    bool killDirect = false;
    ForEachPiece(DigitsOnly(input.kill_direct),
                 [&](std::string_view piece) { killDirect = killDirect || piece.size() == 4; });
    bool patterns = false;
    ForEachPiece(NormalisePatternText(input.kill_patterns),
                 [&](std::string_view piece) { patterns = patterns || piece.size() == 4; });
    return {killDirect,
            !ReadCompounds(input.junk_compounds).empty(),
            ReadCombinations(input.kill_pairs, 2).any,
            !ReadCombinations(input.require_pairs, 2).boxEmpty,
            ReadCombinations(input.kill_triples, 3).any,
            !ReadCombinations(input.require_triples, 3).boxEmpty,
            patterns};
}

bool TopConditionsGroupInUse(const FourStarInput& input) {
    const std::array<bool, 7> inUse = TopConditionsInUse(input);
    return std::find(inUse.begin(), inUse.end(), true) != inUse.end();
}

bool ApplyTopConditions(const FourStarInput& input, const CandidateDigits& digits,
                        CandidateSet& set) {
    MarkTable marks = detail::NewMarkTable();
    bool any = KillDirectNumbers(input.kill_direct, marks);
    any = KillJunkCompounds(input.junk_compounds, input.junk_compounds_tolerance, marks) || any;
    any = KillCombinations(input.kill_pairs, 2, input.kill_pairs_tolerance, digits, marks) || any;
    any = RequireCombinations(input.require_pairs, 2, digits, marks) || any;
    any =
        KillCombinations(input.kill_triples, 3, input.kill_triples_tolerance, digits, marks) || any;
    any = RequireCombinations(input.require_triples, 3, digits, marks) || any;
    any = KillPositionalPatterns(input.kill_patterns, marks) || any;
    if (any)
        detail::WriteMarks(marks, set, kColumn);
    return any;
}

} // namespace sorvanta::four
