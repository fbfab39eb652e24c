#pragma once

// A second, deliberately plain reading of the three-star rules: every group is spelt out again from
// its wording over all 1000 candidates, on the texts as character strings, with its own caption
// lists and none of the engine's tables, masks or helpers (only the leading-number rule and UTF-8
// decoding come from common/). The model test runs it beside the engine on random panels.

#include "common/text.hpp"
#include "engine23/three_star_input.hpp"
#include "engine23/three_star_pipeline.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <optional>
#include <set>
#include <string>
#include <vector>

namespace sorvanta::three::model {

using Verdicts = std::array<bool, 1000>;
using Text = std::u32string;

struct ModelRun {
    std::vector<ThreeStarGroupId> groups; // the active groups in running order
    std::vector<Verdicts> marks;          // marks[k]: who fails groups[k]
    bool baseSetOn = false;
    Verdicts inBase{};
    bool mustKeepOn = false;
    Verdicts mustKeep{};
    Verdicts excluded{};
};

inline std::string FixedWidthText(int n) {
    return std::string{static_cast<char>('0' + n / 100), static_cast<char>('0' + n / 10 % 10),
                       static_cast<char>('0' + n % 10)};
}

inline Text T(std::string_view s) {
    return DecodeUtf8(s);
}

inline bool Allowed(const RangeText& range, int count) {
    const int lower = ReadLeadingNumber(range.lower);
    const int upper = ReadLeadingNumber(range.upper);
    return count >= lower && count <= upper && count <= 100;
}

// only_str word for word: outside `allowed` becomes a blank, then
// trimmed, then runs of blanks made one.
inline Text OnlyStr(const Text& source, const Text& allowed) {
    Text blanked;
    for (char32_t c : source)
        blanked.push_back(allowed.find(c) == Text::npos ? U' ' : c);
    std::size_t first = blanked.find_first_not_of(U' ');
    if (first == Text::npos)
        return {};
    std::size_t last = blanked.find_last_not_of(U' ');
    Text trimmed = blanked.substr(first, last - first + 1);
    Text out;
    for (char32_t c : trimmed)
        if (!(c == U' ' && !out.empty() && out.back() == U' '))
            out.push_back(c);
    return out;
}

inline std::vector<Text> Split(const Text& text, const Text& separator) {
    std::vector<Text> parts;
    std::size_t start = 0;
    for (;;) {
        std::size_t at = text.find(separator, start);
        if (at == Text::npos) {
            parts.push_back(text.substr(start));
            return parts;
        }
        parts.push_back(text.substr(start, at - start));
        start = at + separator.size();
    }
}

inline Text RemoveAll(const Text& text, char32_t c) {
    Text out;
    for (char32_t x : text)
        if (x != c)
            out.push_back(x);
    return out;
}

inline bool Contains(const Text& text, int digit) {
    return text.find(static_cast<char32_t>(U'0' + digit)) != Text::npos;
}

inline int Value(const Text& piece) {
    int v = 0;
    for (char32_t c : piece)
        v = v * 10 + static_cast<int>(c - U'0');
    return v;
}

// A box that shows only a hint holds nothing.
inline Text Box(const std::string& text) {
    Text t = T(text);
    std::size_t first = t.find_first_not_of(U" \r\n");
    if (first != Text::npos) {
        Text core = t.substr(first, t.find_last_not_of(U" \r\n") - first + 1);
        if (core == U"双击清空" || core == U"大底号码，双击清空" || core == U"用空格隔开")
            return {};
    }
    return t;
}

// The window's "\n" in the Windows form, "\r\n".
inline Text CrLf(const Text& text) {
    Text out;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == U'\n' && (i == 0 || text[i - 1] != U'\r'))
            out.push_back(U'\r');
        out.push_back(text[i]);
    }
    return out;
}

const Text kDigitChars = U"0123456789";

inline std::vector<Text> Pieces(const std::string& box) {
    return Split(OnlyStr(Box(box), kDigitChars), U" ");
}

struct D {
    int h, t, u;
};
inline D DigitsOf(int n) {
    return {n / 100, n / 10 % 10, n % 10};
}

using Group = std::optional<Verdicts>;

inline Group KillDirect(const ThreeStarInput& in) {
    Text s = OnlyStr(Box(in.kill_direct), kDigitChars);
    if (s.size() < 3)
        return std::nullopt;
    Verdicts v{};
    for (const Text& p : Split(s, U" "))
        if (p.size() == 3)
            v[static_cast<std::size_t>(Value(p))] = true;
    return v;
}

inline Group KillGroup(const ThreeStarInput& in) {
    Text s = OnlyStr(Box(in.kill_group), kDigitChars);
    if (s.size() < 3)
        return std::nullopt;
    std::set<Text> killed;
    for (const Text& p : Split(s, U" ")) {
        if (p.size() != 3)
            continue;
        Text sortedPiece = p;
        std::sort(sortedPiece.begin(), sortedPiece.end());
        killed.insert(sortedPiece);
    }
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        Text own = T(FixedWidthText(n));
        std::sort(own.begin(), own.end());
        v[static_cast<std::size_t>(n)] = killed.count(own) != 0;
    }
    return v;
}

inline Group JunkCompounds(const ThreeStarInput& in) {
    Text s = RemoveAll(OnlyStr(CrLf(Box(in.junk_compounds)), U"0123456789*\r\n"), U' ');
    if (s.size() < 3)
        return std::nullopt;
    std::vector<Text> lines = Split(s, U"\r\n");
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int hits = 0;
        for (const Text& line : lines) {
            std::vector<Text> parts = Split(line, U"*");
            if (parts.size() == 3 && Contains(parts[0], d.h) && Contains(parts[1], d.t) &&
                Contains(parts[2], d.u))
                ++hits;
        }
        v[static_cast<std::size_t>(n)] = !Allowed(in.junk_compounds_tolerance, hits);
    }
    return v;
}

inline Group KillPairs(const ThreeStarInput& in) {
    Text s = OnlyStr(Box(in.kill_pairs), kDigitChars);
    if (s.size() < 2)
        return std::nullopt;
    std::set<std::pair<int, int>> combinations;
    for (const Text& p : Split(s, U" ")) {
        if (p.size() != 2)
            continue;
        int x = static_cast<int>(p[0] - U'0'), y = static_cast<int>(p[1] - U'0');
        combinations.insert({std::min(x, y), std::max(x, y)});
    }
    if (combinations.empty())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int digits[3] = {d.h, d.t, d.u};
        int hits = 0;
        for (auto [a, b] : combinations) {
            bool found = false;
            for (int i = 0; i < 3; ++i)
                for (int j = 0; j < 3; ++j)
                    if (i != j && digits[i] == a && digits[j] == b)
                        found = true;
            hits += found ? 1 : 0;
        }
        v[static_cast<std::size_t>(n)] = !Allowed(in.kill_pairs_tolerance, hits);
    }
    return v;
}

inline Group RequirePairs(const ThreeStarInput& in) {
    Text s = OnlyStr(Box(in.require_pairs), kDigitChars);
    if (s.size() < 2)
        return std::nullopt;
    bool table[10][10] = {};
    bool any = false;
    for (const Text& p : Split(s, U" ")) {
        if (p.size() != 2)
            continue;
        int x = static_cast<int>(p[0] - U'0'), y = static_cast<int>(p[1] - U'0');
        table[x][y] = table[y][x] = true;
        any = true;
    }
    if (!any)
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        v[static_cast<std::size_t>(n)] = !(table[d.h][d.t] || table[d.h][d.u] || table[d.t][d.u]);
    }
    return v;
}

struct PairBox {
    bool active = false;
    bool table[10][10] = {};
};

inline PairBox ReadPairBox(const std::string& box) {
    PairBox b;
    for (const Text& p : Pieces(box)) {
        if (p.size() != 2)
            continue;
        b.table[p[0] - U'0'][p[1] - U'0'] = true;
        b.active = true;
    }
    return b;
}

inline std::pair<int, int> PairAt(const D& d, int box) {
    if (box == 0)
        return {d.h, d.t};
    if (box == 1)
        return {d.h, d.u};
    return {d.t, d.u};
}

inline Group PositionKillPairs(const ThreeStarInput& in) {
    PairBox boxes[3] = {ReadPairBox(in.position_kill_pairs[0]),
                        ReadPairBox(in.position_kill_pairs[1]),
                        ReadPairBox(in.position_kill_pairs[2])};
    if (!boxes[0].active && !boxes[1].active && !boxes[2].active)
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        int hits = 0;
        for (int b = 0; b < 3; ++b) {
            auto [x, y] = PairAt(DigitsOf(n), b);
            if (boxes[b].active && boxes[b].table[x][y])
                ++hits;
        }
        v[static_cast<std::size_t>(n)] = !Allowed(in.position_kill_pairs_tolerance, hits);
    }
    return v;
}

inline Group PositionRequirePairs(const ThreeStarInput& in) {
    PairBox boxes[3] = {ReadPairBox(in.position_require_pairs[0]),
                        ReadPairBox(in.position_require_pairs[1]),
                        ReadPairBox(in.position_require_pairs[2])};
    if (!boxes[0].active && !boxes[1].active && !boxes[2].active)
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n)
        for (int b = 0; b < 3; ++b) {
            auto [x, y] = PairAt(DigitsOf(n), b);
            if (boxes[b].active && !boxes[b].table[x][y])
                v[static_cast<std::size_t>(n)] = true;
        }
    return v;
}

inline Group PairSumsGroup(const ThreeStarInput& in) {
    const std::array<std::string, 3>* rows[5] = {
        &in.pair_sums.keep_sum, &in.pair_sums.exclude_sum, &in.pair_sums.keep_diff,
        &in.pair_sums.exclude_diff, &in.pair_sums.exclude_sum_tail};
    std::set<int> listed[5][3];
    bool any = false;
    for (int r = 0; r < 5; ++r)
        for (int p = 0; p < 3; ++p) {
            for (const Text& piece : Pieces((*rows[r])[static_cast<std::size_t>(p)]))
                if (piece.size() == 1 || piece.size() == 2)
                    listed[r][p].insert(Value(piece));
            any = any || !listed[r][p].empty();
        }
    if (!any)
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        for (int p = 0; p < 3; ++p) {
            auto [a, b] = PairAt(DigitsOf(n), p);
            int S = a + b, Tl = S % 10, Df = a > b ? a - b : b - a;
            bool fails = false;
            if (!listed[0][p].empty() && listed[0][p].count(S) == 0)
                fails = true;
            if (!listed[1][p].empty() && listed[1][p].count(S) != 0)
                fails = true;
            if (!listed[2][p].empty() && listed[2][p].count(Df) == 0)
                fails = true;
            if (!listed[3][p].empty() && listed[3][p].count(Df) != 0)
                fails = true;
            if (!listed[4][p].empty() && listed[4][p].count(Tl) != 0)
                fails = true;
            if (fails)
                v[static_cast<std::size_t>(n)] = true;
        }
    }
    return v;
}

inline Group AnyTwo(const ThreeStarInput& in) {
    if (in.any_two_sum_tails.none() && in.any_two_diffs.none())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int pairs[3][2] = {{d.h, d.t}, {d.h, d.u}, {d.t, d.u}};
        if (in.any_two_sum_tails.any()) {
            bool met = false;
            for (auto& pr : pairs)
                met = met ||
                      in.any_two_sum_tails.test(static_cast<std::size_t>((pr[0] + pr[1]) % 10));
            if (!met)
                v[static_cast<std::size_t>(n)] = true;
        }
        if (in.any_two_diffs.any()) {
            bool met = false;
            for (auto& pr : pairs)
                met =
                    met || in.any_two_diffs.test(static_cast<std::size_t>(std::abs(pr[0] - pr[1])));
            if (!met)
                v[static_cast<std::size_t>(n)] = true;
        }
    }
    return v;
}

inline int PositionLetter(char32_t c) {
    return c == U'百' ? 0 : c == U'十' ? 1 : c == U'个' ? 2 : -1;
}

inline Group PositionMatch(const ThreeStarInput& in) {
    if (in.position_match.empty())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int digits[3] = {d.h, d.t, d.u};
        bool passes = false;
        for (const std::string& rule : in.position_match) {
            Text r = T(rule);
            if (r.empty())
                continue;
            int left = PositionLetter(r.front()), right = PositionLetter(r.back());
            Text cmp = RemoveAll(RemoveAll(RemoveAll(r, U'百'), U'十'), U'个');
            if (left < 0 || right < 0)
                continue;
            int a = digits[left], b = digits[right];
            bool holds = (cmp == U"大于" && a > b) || (cmp == U"小于" && a < b) ||
                         (cmp == U"等于" && a == b) || (cmp == U"大于等于" && a >= b) ||
                         (cmp == U"小于等于" && a <= b) || (cmp == U"不等于" && a != b);
            passes = passes || holds;
        }
        v[static_cast<std::size_t>(n)] = !passes;
    }
    return v;
}

inline std::set<int> Counts(const DigitSet& buttons, int highest) {
    std::set<int> counts;
    for (int c = 0; c <= highest; ++c)
        if (buttons.test(static_cast<std::size_t>(c)))
            counts.insert(c);
    return counts;
}

inline Group PositionalBankersGroup(const ThreeStarInput& in) {
    const DigitSet* rows[3] = {&in.positional_bankers.hundreds, &in.positional_bankers.tens,
                               &in.positional_bankers.units};
    if (rows[0]->none() && rows[1]->none() && rows[2]->none())
        return std::nullopt;
    std::set<int> allowed = Counts(in.positional_bankers.counts, 3);
    if (allowed.empty())
        allowed = {1, 2, 3};
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int digits[3] = {d.h, d.t, d.u};
        int count = 0;
        for (int r = 0; r < 3; ++r)
            if (rows[r]->any() && rows[r]->test(static_cast<std::size_t>(digits[r])))
                ++count;
        v[static_cast<std::size_t>(n)] = allowed.count(count) == 0;
    }
    return v;
}

inline Group BrokenGroups(const ThreeStarInput& in) {
    Text s = RemoveAll(OnlyStr(CrLf(Box(in.broken_groups)), U"0123456789-=\r\n"), U' ');
    struct Rule {
        std::vector<Text> groups;
        Text counts;
    };
    std::vector<Rule> rules;
    for (const Text& line : Split(s, U"\r\n")) {
        std::size_t eq = line.find(U'=');
        if (eq == Text::npos)
            continue;
        Text left = line.substr(0, eq);
        if (left.empty())
            continue;
        Rule rule;
        rule.groups = Split(left, U"-");
        if (rule.groups.size() > 21)
            rule.groups.resize(21);
        rule.counts = line.substr(eq + 1);
        rules.push_back(rule);
    }
    if (rules.empty())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        for (const Rule& rule : rules) {
            int k = 0;
            for (const Text& g : rule.groups)
                if (Contains(g, d.h) || Contains(g, d.t) || Contains(g, d.u))
                    ++k;
            bool allowed = k <= 9 && Contains(rule.counts, k);
            if (!allowed)
                v[static_cast<std::size_t>(n)] = true;
        }
    }
    return v;
}

inline Group KillSumTails(const ThreeStarInput& in) {
    if (in.kill_sum_tails.none())
        return std::nullopt;
    std::set<int> killed;
    for (int dgt = 0; dgt < 10; ++dgt)
        if (in.kill_sum_tails.test(static_cast<std::size_t>(dgt)))
            killed.insert({dgt, dgt + 10, dgt + 20});
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        v[static_cast<std::size_t>(n)] = killed.count(d.h + d.t + d.u) != 0;
    }
    return v;
}

inline Group KillSpans(const ThreeStarInput& in) {
    if (in.kill_spans.none())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int span = std::max({d.h, d.t, d.u}) - std::min({d.h, d.t, d.u});
        v[static_cast<std::size_t>(n)] = in.kill_spans.test(static_cast<std::size_t>(span));
    }
    return v;
}

inline Group Bankers(const ThreeStarInput& in) {
    if (in.bankers.none())
        return std::nullopt;
    std::set<int> allowed;
    if (in.bankers_at_least == 3)
        allowed = {3};
    else if (in.bankers_at_least == 2)
        allowed = {2, 3};
    else if (in.bankers_at_least == 1)
        allowed = {1, 2, 3};
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        std::set<int> distinct = {d.h, d.t, d.u};
        int count = 0;
        for (int x : distinct)
            count += in.bankers.test(static_cast<std::size_t>(x)) ? 1 : 0;
        v[static_cast<std::size_t>(n)] = allowed.count(count) == 0;
    }
    return v;
}

inline Group KillSums(const ThreeStarInput& in) {
    if (in.kill_sums.none())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        v[static_cast<std::size_t>(n)] =
            in.kill_sums.test(static_cast<std::size_t>(d.h + d.t + d.u));
    }
    return v;
}

inline Group ExcludeCompound(const ThreeStarInput& in) {
    const auto& r = in.exclude_compound;
    if (r[0].none() || r[1].none() || r[2].none())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        v[static_cast<std::size_t>(n)] = r[0].test(static_cast<std::size_t>(d.h)) &&
                                         r[1].test(static_cast<std::size_t>(d.t)) &&
                                         r[2].test(static_cast<std::size_t>(d.u));
    }
    return v;
}

inline Group PositionKill(const ThreeStarInput& in) {
    const auto& r = in.position_kill;
    if (r[0].none() && r[1].none() && r[2].none())
        return std::nullopt;
    int lower = ReadLeadingNumber(in.position_kill_tolerance.lower);
    int upper = ReadLeadingNumber(in.position_kill_tolerance.upper);
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int digits[3] = {d.h, d.t, d.u};
        int count = 0;
        for (int p = 0; p < 3; ++p)
            if (r[static_cast<std::size_t>(p)].test(static_cast<std::size_t>(digits[p])))
                ++count;
        bool allowed = count >= 0 && count <= 9 && count >= lower && count <= upper;
        v[static_cast<std::size_t>(n)] = !allowed;
    }
    return v;
}

inline Group BankerGroups(const ThreeStarInput& in) {
    bool any = false;
    for (const BankerRow& row : in.banker_rows)
        any = any || row.digits.any();
    if (!any)
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int wrong = 0;
        for (const BankerRow& row : in.banker_rows) {
            if (row.digits.none())
                continue;
            std::set<int> allowed = Counts(row.counts, 3);
            if (allowed.empty())
                allowed = {1, 2, 3};
            int hits = 0;
            if (in.banker_count_repeats) {
                for (int x : {d.h, d.t, d.u})
                    hits += row.digits.test(static_cast<std::size_t>(x)) ? 1 : 0;
            } else {
                for (int x : std::set<int>{d.h, d.t, d.u})
                    hits += row.digits.test(static_cast<std::size_t>(x)) ? 1 : 0;
            }
            if (allowed.count(hits) == 0)
                ++wrong;
        }
        v[static_cast<std::size_t>(n)] = !Allowed(in.banker_tolerance, wrong);
    }
    return v;
}

// "小.小.小..." split at "." and indexed by the digit.
inline std::vector<std::string> ClassTable(const char* table) {
    std::vector<std::string> classes;
    for (const Text& part : Split(T(table), U"."))
        classes.push_back(EncodeUtf8(part));
    return classes;
}

inline Group KillShapes(const ThreeStarInput& in) {
    struct Family {
        const CaptionSet* chosen;
        std::vector<std::string> captions;
        const char* table;
    };
    Family families[3] = {
        {&in.kill_shapes.big_small,
         {"大大大", "大大小", "大小大", "大小小", "小小小", "小小大", "小大小", "小大大"},
         "小.小.小.小.小.大.大.大.大.大"},
        {&in.kill_shapes.odd_even,
         {"奇奇奇", "奇奇偶", "奇偶奇", "奇偶偶", "偶偶偶", "偶偶奇", "偶奇偶", "偶奇奇"},
         "偶.奇.偶.奇.偶.奇.偶.奇.偶.奇"},
        {&in.kill_shapes.prime_composite,
         {"质质质", "质质合", "质合质", "质合合", "合合合", "合合质", "合质合", "合质质"},
         "合.质.质.质.合.质.合.质.合.合"},
    };
    auto selected = [](const Family& f, const std::string& caption) {
        return std::find(f.captions.begin(), f.captions.end(), caption) != f.captions.end() &&
               f.chosen->count(caption) != 0;
    };
    bool any = false;
    for (const Family& f : families)
        for (const std::string& c : f.captions)
            any = any || selected(f, c);
    if (!any)
        return std::nullopt;
    std::vector<std::string> classes[3] = {ClassTable(families[0].table),
                                           ClassTable(families[1].table),
                                           ClassTable(families[2].table)};
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int hits = 0;
        for (int k = 0; k < 3; ++k) {
            const Family& f = families[k];
            const std::vector<std::string>& c = classes[k];
            std::string shape = c[static_cast<std::size_t>(d.h)] +
                                c[static_cast<std::size_t>(d.t)] + c[static_cast<std::size_t>(d.u)];
            if (selected(f, shape))
                ++hits;
        }
        v[static_cast<std::size_t>(n)] = !Allowed(in.kill_shapes_tolerance, hits);
    }
    return v;
}

inline Group LargestSmallest(const ThreeStarInput& in) {
    Text largest = RemoveAll(OnlyStr(Box(in.largest_digits), kDigitChars), U' ');
    Text smallest = RemoveAll(OnlyStr(Box(in.smallest_digits), kDigitChars), U' ');
    if (largest.empty() && smallest.empty())
        return std::nullopt;
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int mx = std::max({d.h, d.t, d.u}), mn = std::min({d.h, d.t, d.u});
        v[static_cast<std::size_t>(n)] = (!largest.empty() && !Contains(largest, mx)) ||
                                         (!smallest.empty() && !Contains(smallest, mn));
    }
    return v;
}

inline Group KeepCountsGroup(const ThreeStarInput& in) {
    std::set<int> families[3] = {Counts(in.keep_counts.big, 3), Counts(in.keep_counts.odd, 3),
                                 Counts(in.keep_counts.prime, 3)};
    if (families[0].empty() && families[1].empty() && families[2].empty())
        return std::nullopt;
    auto big = [](int x) {
        return x >= 5;
    };
    auto odd = [](int x) {
        return x % 2 == 1;
    };
    auto prime = [](int x) {
        return x == 1 || x == 2 || x == 3 || x == 5 || x == 7;
    };
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        int counts[3] = {0, 0, 0};
        for (int x : {d.h, d.t, d.u}) {
            counts[0] += big(x) ? 1 : 0;
            counts[1] += odd(x) ? 1 : 0;
            counts[2] += prime(x) ? 1 : 0;
        }
        for (int f = 0; f < 3; ++f)
            if (!families[f].empty() && families[f].count(counts[f]) == 0)
                v[static_cast<std::size_t>(n)] = true;
    }
    return v;
}

inline Group ExcludeRoutes(const ThreeStarInput& in) {
    std::vector<std::string> offered;
    for (int a = 0; a < 3; ++a)
        for (int b = 0; b < 3; ++b)
            for (int c = 0; c < 3; ++c)
                offered.push_back(std::string{char('0' + a), char('0' + b), char('0' + c)});
    bool any = false;
    for (const std::string& c : offered)
        any = any || in.exclude_routes.count(c) != 0;
    if (!any)
        return std::nullopt;
    const std::vector<std::string> routeOf = ClassTable("0.1.2.0.1.2.0.1.2.0");
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        std::string route = routeOf[static_cast<std::size_t>(d.h)] +
                            routeOf[static_cast<std::size_t>(d.t)] +
                            routeOf[static_cast<std::size_t>(d.u)];
        v[static_cast<std::size_t>(n)] = in.exclude_routes.count(route) != 0;
    }
    return v;
}

inline Group SpecialExclusions(const ThreeStarInput& in) {
    const std::vector<std::string> offered = {"豹子", "组三", "组六", "不连", "2连",
                                              "3连",  "上山", "下山", "凹型", "凸型"};
    std::set<std::string> list;
    for (const std::string& c : offered)
        if (in.special_exclusions.count(c) != 0)
            list.insert(c);
    if (list.empty())
        return std::nullopt;
    auto on = [&](const char* c) {
        return list.count(c) != 0;
    };
    Verdicts v{};
    for (int n = 0; n < 1000; ++n) {
        D d = DigitsOf(n);
        bool fails = false;
        if (on("豹子") || on("组三") || on("组六")) {
            std::size_t distinct = std::set<int>{d.h, d.t, d.u}.size();
            const char* type = distinct == 1 ? "豹子" : distinct == 2 ? "组三" : "组六";
            if (on(type))
                fails = true;
        }
        if (on("不连") || on("2连") || on("3连")) {
            std::set<int> s = {d.h, d.t, d.u};
            bool threeRun = false;
            if (s.size() == 3) {
                for (int i = 0; i <= 7; ++i)
                    if (s == std::set<int>{i, i + 1, i + 2})
                        threeRun = true;
                if (s == std::set<int>{8, 9, 0} || s == std::set<int>{9, 0, 1})
                    threeRun = true;
            }
            if (threeRun) {
                if (on("3连"))
                    fails = true;
            } else {
                int digits[3] = {d.h, d.t, d.u};
                bool twoRun = false;
                for (int i = 0; i < 3; ++i)
                    for (int j = 0; j < 3; ++j)
                        if (i != j && (std::abs(digits[i] - digits[j]) == 1 ||
                                       (digits[i] == 9 && digits[j] == 0)))
                            twoRun = true;
                if (twoRun ? on("2连") : on("不连"))
                    fails = true;
            }
        }
        if (on("上山") || on("下山")) {
            bool up = d.h <= d.t && d.t <= d.u && d.h < d.u;
            bool down = d.h >= d.t && d.t >= d.u && d.h > d.u;
            if ((up && on("上山")) || (down && on("下山")))
                fails = true;
        }
        if (on("凸型") || on("凹型")) {
            bool convex = d.h < d.t && d.u < d.t;
            bool concave = d.t < d.h && d.t < d.u;
            if ((convex && on("凸型")) || (concave && on("凹型")))
                fails = true;
        }
        v[static_cast<std::size_t>(n)] = fails;
    }
    return v;
}

inline ModelRun Run(const ThreeStarInput& in) {
    using G = ThreeStarGroupId;
    const std::pair<G, Group (*)(const ThreeStarInput&)> order[] = {
        {G::KillDirect, KillDirect},
        {G::KillGroup, KillGroup},
        {G::JunkCompounds, JunkCompounds},
        {G::KillPairs, KillPairs},
        {G::RequirePairs, RequirePairs},
        {G::PositionKillPairs, PositionKillPairs},
        {G::PositionRequirePairs, PositionRequirePairs},
        {G::PairSums, PairSumsGroup},
        {G::AnyTwoTailsAndDiffs, AnyTwo},
        {G::PositionMatch, PositionMatch},
        {G::PositionalBankers, PositionalBankersGroup},
        {G::BrokenGroups, BrokenGroups},
        {G::KillSumTails, KillSumTails},
        {G::KillSpans, KillSpans},
        {G::Bankers, Bankers},
        {G::KillSums, KillSums},
        {G::ExcludeCompound, ExcludeCompound},
        {G::PositionKill, PositionKill},
        {G::BankerGroups, BankerGroups},
        {G::KillShapes, KillShapes},
        {G::LargestSmallest, LargestSmallest},
        {G::KeepCounts, KeepCountsGroup},
        {G::ExcludeRoutes, ExcludeRoutes},
        {G::SpecialExclusions, SpecialExclusions},
    };
    ModelRun run;
    for (const auto& [id, group] : order) {
        Group marks = group(in);
        if (marks) {
            run.groups.push_back(id);
            run.marks.push_back(*marks);
        }
    }

    // Base set.
    Text base = OnlyStr(Box(in.base_set), kDigitChars);
    if (base.size() >= 3) {
        run.baseSetOn = true;
        for (const Text& p : Split(base, U" ")) {
            if (p.size() != 3)
                continue;
            if (!in.base_set_group) {
                run.inBase[static_cast<std::size_t>(Value(p))] = true;
                continue;
            }
            Text sortedPiece = p;
            std::sort(sortedPiece.begin(), sortedPiece.end());
            do
                run.inBase[static_cast<std::size_t>(Value(sortedPiece))] = true;
            while (std::next_permutation(sortedPiece.begin(), sortedPiece.end()));
        }
    }
    // Must-keep list.
    for (const Text& p : Pieces(in.must_keep)) {
        if (p.size() != 3)
            continue;
        run.mustKeepOn = true;
        run.mustKeep[static_cast<std::size_t>(Value(p))] = true;
    }
    // Tally.
    for (int n = 0; n < 1000; ++n) {
        int fails = 0;
        for (const Verdicts& m : run.marks)
            fails += m[static_cast<std::size_t>(n)] ? 1 : 0;
        bool excluded = !Allowed(in.total_tolerance, fails);
        if (run.baseSetOn && !run.inBase[static_cast<std::size_t>(n)])
            excluded = true;
        if (run.mustKeep[static_cast<std::size_t>(n)])
            excluded = false;
        run.excluded[static_cast<std::size_t>(n)] = excluded;
    }
    return run;
}

} // namespace sorvanta::three::model
