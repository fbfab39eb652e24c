#pragma once

// A second, deliberately naive reading of the two-star rules: every rule is
// spelt out again from its wording, over all 100 candidates, with none of
// the engine's tables or masks. The model test runs it beside the engine on
// random panels; any disagreement is a fault in one of them.

#include "common/text.hpp"
#include "engine23/two_star_groups.hpp"
#include "engine23/two_star_input.hpp"

#include <algorithm>
#include <array>
#include <cstdlib>
#include <set>
#include <string>
#include <vector>

namespace sorvanta::two::model {

using Verdicts = std::array<bool, 100>;

struct ModelRun {
    std::vector<TwoStarGroupId> groups; // the active groups in running order
    std::vector<Verdicts> marks;        // marks[k]: who fails groups[k]
    bool killListOn = false;
    Verdicts killed{};
    bool baseSetOn = false;
    Verdicts inBase{};
    Verdicts excluded{};
};

inline bool Allowed(const RangeText& range, int count) {
    const int lower = ReadLeadingNumber(range.lower);
    const int upper = ReadLeadingNumber(range.upper);
    return count >= lower && count <= upper && count <= 100;
}

inline std::vector<std::string> SplitAt(const std::string& text, char separator) {
    std::vector<std::string> parts;
    std::string part;
    for (char c : text) {
        if (c == separator) {
            parts.push_back(part);
            part.clear();
        } else {
            part += c;
        }
    }
    parts.push_back(part);
    return parts;
}

// Every non-digit becomes a separator; the two-character pieces are the
// numbers named.
inline std::vector<int> TwoDigitPieces(const std::string& text) {
    std::string cleaned;
    for (char c : text)
        cleaned += (c >= '0' && c <= '9') ? c : ' ';
    std::vector<int> numbers;
    for (const std::string& piece : SplitAt(cleaned, ' '))
        if (piece.size() == 2)
            numbers.push_back((piece[0] - '0') * 10 + (piece[1] - '0'));
    return numbers;
}

// "0" put in front, then the last two characters.
inline std::string Text(int n) {
    const std::string padded = "0" + std::to_string(n);
    return padded.substr(padded.size() - 2);
}

inline bool Chosen(const CaptionSet& set, const char* caption) {
    return set.count(caption) != 0;
}

inline ModelRun Run(const TwoStarInput& in) {
    ModelRun run;
    auto group = [&](TwoStarGroupId id, auto fails) {
        Verdicts marks{};
        for (int n = 0; n < 100; ++n)
            marks[static_cast<std::size_t>(n)] = fails(n / 10, n % 10);
        run.groups.push_back(id);
        run.marks.push_back(marks);
    };

    // 1. Banker groups.
    bool anyRow = false;
    for (const BankerRow& row : in.banker_rows)
        anyRow = anyRow || row.digits.any();
    if (anyRow) {
        group(TwoStarGroupId::BankerGroups, [&](int t, int u) {
            int wrongRows = 0;
            for (const BankerRow& row : in.banker_rows) {
                if (!row.digits.any())
                    continue;
                std::set<int> allowedHits;
                for (int c = 0; c <= 2; ++c)
                    if (row.counts[static_cast<std::size_t>(c)])
                        allowedHits.insert(c);
                if (allowedHits.empty())
                    allowedHits = {1, 2};
                int hits = 0;
                if (in.banker_count_repeats) {
                    hits = int(row.digits[static_cast<std::size_t>(t)]) +
                           int(row.digits[static_cast<std::size_t>(u)]);
                } else {
                    for (int d : std::set<int>{t, u})
                        hits += row.digits[static_cast<std::size_t>(d)] ? 1 : 0;
                }
                if (allowedHits.count(hits) == 0)
                    ++wrongRows;
            }
            return !Allowed(in.banker_tolerance, wrongRows);
        });
    }

    // 2. Kill span.
    if (in.kill_spans.any())
        group(TwoStarGroupId::KillSpan, [&](int t, int u) {
            return bool(in.kill_spans[static_cast<std::size_t>(std::abs(t - u))]);
        });

    // 3. Kill sum.
    if (in.kill_sums.any())
        group(TwoStarGroupId::KillSum,
              [&](int t, int u) { return bool(in.kill_sums[static_cast<std::size_t>(t + u)]); });

    // 4. Positional kill.
    if (in.position_kill[0].any() || in.position_kill[1].any())
        group(TwoStarGroupId::PositionKill, [&](int t, int u) {
            int hits = 0;
            if (in.position_kill[0].any() && in.position_kill[0][static_cast<std::size_t>(t)])
                ++hits;
            if (in.position_kill[1].any() && in.position_kill[1][static_cast<std::size_t>(u)])
                ++hits;
            return !Allowed(in.position_kill_tolerance, hits);
        });

    // 5. Compound exclusion.
    if (in.compound_exclusion[0].any() && in.compound_exclusion[1].any())
        group(TwoStarGroupId::CompoundExclusion, [&](int t, int u) {
            return in.compound_exclusion[0][static_cast<std::size_t>(t)] &&
                   in.compound_exclusion[1][static_cast<std::size_t>(u)];
        });

    // 6. Shapes, spelt from the per-digit class tables.
    const std::vector<std::string> bigSmall = SplitAt("小.小.小.小.小.大.大.大.大.大.", '.');
    const std::vector<std::string> oddEven = SplitAt("双.单.双.单.双.单.双.单.双.单.", '.');
    const std::vector<std::string> primeComposite = SplitAt("合.质.质.质.合.质.合.质.合.合.", '.');
    const std::vector<std::string> route = SplitAt("0.1.2.0.1.2.0.1.2.0.", '.');
    struct Family {
        const CaptionSet* chosen;
        const std::vector<std::string>* classes;
    };
    const Family families[] = {{&in.shapes.big_small, &bigSmall},
                               {&in.shapes.odd_even, &oddEven},
                               {&in.shapes.prime_composite, &primeComposite},
                               {&in.shapes.route012, &route}};
    bool anyFamily = false;
    for (const Family& family : families)
        anyFamily = anyFamily || !family.chosen->empty();
    if (anyFamily)
        group(TwoStarGroupId::Shapes, [&](int t, int u) {
            int hits = 0;
            for (const Family& family : families) {
                if (family.chosen->empty())
                    continue;
                const std::string shape = (*family.classes)[static_cast<std::size_t>(t)] +
                                          (*family.classes)[static_cast<std::size_t>(u)];
                if (family.chosen->count(shape) != 0)
                    ++hits;
            }
            return !Allowed(in.shapes_tolerance, hits);
        });

    // 7. Special shapes.
    const CaptionSet& special = in.special_shapes;
    if (Chosen(special, "杀对子") || Chosen(special, "杀连号") || Chosen(special, "杀杂号") ||
        Chosen(special, "杀十>个") || Chosen(special, "杀十<个"))
        group(TwoStarGroupId::SpecialShapes, [&](int t, int u) {
            const int d = std::abs(t - u);
            int hits = 0;
            if (Chosen(special, "杀对子") && d == 0)
                ++hits;
            if (Chosen(special, "杀连号") && (d == 1 || d == 9))
                ++hits;
            if (Chosen(special, "杀杂号") && d != 0 && d != 1 && d != 9)
                ++hits;
            if (Chosen(special, "杀十>个") && t > u)
                ++hits;
            if (Chosen(special, "杀十<个") && t < u)
                ++hits;
            return !Allowed(in.special_shapes_tolerance, hits);
        });

    // Kill list, then base set.
    for (int n : TwoDigitPieces(in.kill_list)) {
        run.killListOn = true;
        run.killed[static_cast<std::size_t>(n)] = true;
    }
    for (int n : TwoDigitPieces(in.base_set)) {
        run.baseSetOn = true;
        run.inBase[static_cast<std::size_t>(n)] = true;
    }

    // Tally.
    for (std::size_t n = 0; n < 100; ++n) {
        int fails = 0;
        for (const Verdicts& marks : run.marks)
            fails += marks[n] ? 1 : 0;
        run.excluded[n] = !Allowed(in.total_tolerance, fails) ||
                          (run.baseSetOn && !run.inBase[n]) || (run.killListOn && run.killed[n]);
    }
    return run;
}

inline std::string Listed(const ModelRun& run, bool excluded) {
    std::string text;
    for (int n = 0; n < 100; ++n)
        if (run.excluded[static_cast<std::size_t>(n)] == excluded)
            text += (text.empty() ? "" : " ") + Text(n);
    return text;
}

// The group list as the command builds it: a 100-slot array joined with
// blanks, double blanks squeezed out, trimmed.
inline std::string GroupList(const ModelRun& run) {
    std::array<std::string, 100> slots;
    for (int n = 0; n < 100; ++n) {
        if (run.excluded[static_cast<std::size_t>(n)])
            continue;
        const int t = n / 10, u = n % 10;
        const std::string group = std::to_string(std::min(t, u)) + std::to_string(std::max(t, u));
        slots[static_cast<std::size_t>(std::stoi(group))] = group;
    }
    std::string joined;
    for (std::size_t i = 0; i < slots.size(); ++i)
        joined += (i == 0 ? "" : " ") + slots[i];
    while (joined.find("  ") != std::string::npos)
        joined.replace(joined.find("  "), 2, " ");
    while (!joined.empty() && joined.front() == ' ')
        joined.erase(0, 1);
    while (!joined.empty() && joined.back() == ' ')
        joined.pop_back();
    return joined;
}

} // namespace sorvanta::two::model
