#include "engine23/three_star_pipeline.hpp"

#include <array>
#include <cstring>

namespace sorvanta::three {

void RunThreeStarShrink(const ThreeStarInput& input, ThreeStarState& state) {
    RunThreeStarGroups(input, state);
    ApplyThreeStarBaseSet(input, state.table);
    ApplyMustKeep(input, state.table);
    ApplyThreeStarTally(state.table, input.total_tolerance);
    ShowThreeStarSurvivors(state);
}

void RunThreeStarGroups(const ThreeStarInput& input, ThreeStarState& state) {
    state.survivors.clear();
    state.columns.clear();
    ThreeStarTable& table = state.table;
    table.Reset();

    ThreeStarMarks marks;
    for (const ThreeStarGroup& group : kThreeStarGroups) {
        marks.fill(0);
        if (!group.apply(input, marks))
            continue;
        const int column = table.TakeColumn();
        state.columns.push_back(group.id);
        std::int32_t* cells = table.Column(column);
        for (std::size_t n = 0; n < marks.size(); ++n)
            cells[n] = marks[n];
    }
}

void ApplyThreeStarTally(ThreeStarTable& table, const RangeText& totalTolerance) {
    const AllowedCounts allowed = totalTolerance.Allowed();
    // F per row, column by column: the number of mark columns holding 1.
    std::array<std::int32_t, kThreeStarCandidates> fails{};
    const ThreeStarTable& read = table;
    const int lastMark = ThreeStarTable::kFirstMark + table.ConditionCount() - 1;
    for (int c = ThreeStarTable::kFirstMark; c <= lastMark; ++c) {
        const std::int32_t* cells = read.Column(c);
        for (std::size_t n = 0; n < fails.size(); ++n)
            fails[n] += cells[n] == 1 ? 1 : 0;
    }
    std::array<std::int32_t, ThreeStarTable::kColumns> refused{}; // F below 99
    for (std::size_t f = 0; f < refused.size(); ++f)
        refused[f] = allowed.Allows(static_cast<int>(f)) ? 0 : 1;
    const bool baseSet = read.at(ThreeStarTable::kNotesRow, ThreeStarTable::kBaseSet) == 1;
    const std::int32_t* base = read.Column(ThreeStarTable::kBaseSet);
    const std::int32_t* kept = read.Column(ThreeStarTable::kList);
    std::int32_t* excluded = table.Column(ThreeStarTable::kExcluded);
    const std::int32_t outsideBase = baseSet ? 1 : 0;
    for (std::size_t n = 0; n < fails.size(); ++n) {
        // 1. the total tolerance; 2. the base set, absolute; 3. must-keep
        // brings the number back whatever 1 and 2 said.
        std::int32_t out = excluded[n] | refused[static_cast<std::size_t>(fails[n])] |
                           (outsideBase & (base[n] == 0));
        excluded[n] = kept[n] == 1 ? 0 : out;
    }
}

std::vector<int> CollectThreeStarRows(const ThreeStarTable& table, int excluded) {
    std::vector<int> rows;
    rows.reserve(kThreeStarCandidates);
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (table.at(n, ThreeStarTable::kExcluded) == excluded)
            rows.push_back(n);
    return rows;
}

namespace {

// "000 001 002 ... 999 ": every number's text with "00" put in front, then
// its last three characters, and a blank after it.
const std::array<char, 4 * kThreeStarCandidates>& NumberTexts() {
    static const std::array<char, 4 * kThreeStarCandidates> texts = [] {
        std::array<char, 4 * kThreeStarCandidates> t{};
        for (std::size_t n = 0; n < kThreeStarCandidates; ++n) {
            t[4 * n] = static_cast<char>('0' + n / 100);
            t[4 * n + 1] = static_cast<char>('0' + n / 10 % 10);
            t[4 * n + 2] = static_cast<char>('0' + n % 10);
            t[4 * n + 3] = ' ';
        }
        return t;
    }();
    return texts;
}

} // namespace

std::string ThreeDigitTexts(const std::vector<int>& rows) {
    if (rows.empty())
        return {};
    const auto& texts = NumberTexts();
    std::string text(rows.size() * 4, ' ');
    char* out = text.data();
    for (int n : rows) {
        std::memcpy(out, texts.data() + 4 * static_cast<std::size_t>(n), 4);
        out += 4;
    }
    text.pop_back(); // no blank after the last number
    return text;
}

void ShowThreeStarSurvivors(ThreeStarState& state) {
    state.survivors = CollectThreeStarRows(state.table, 0);
}

} // namespace sorvanta::three
