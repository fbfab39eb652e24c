#include "engine23/two_star_pipeline.hpp"

#include "common/number_list.hpp"

namespace sorvanta::two {

namespace {

constexpr int kCandidates = TwoStarTable::kCandidates;

void RunGroups(const TwoStarInput& input, TwoStarState& state) {
    RunTwoStarGroups(input, state);
    ApplyKillList(input, state.table);
    ApplyBaseSet(input, state.table);
    ApplyTwoStarTally(input.total_tolerance, state.table);
}

} // namespace

void RunTwoStarGroups(const TwoStarInput& input, TwoStarState& state) {
    state.table = TwoStarTable{};
    state.columns.clear();
    const TwoStarDigits& digits = TwoStarDigitTable();
    for (const TwoStarGroup& group : kTwoStarGroups)
        if (group.apply(input, digits, state.table))
            state.columns.push_back(group.id);
}

TwoStarInput ClearedTwoStarInput(const TwoStarInput& current) {
    TwoStarInput cleared;
    cleared.banker_count_repeats = current.banker_count_repeats;
    return cleared;
}

const TwoStarDigits& TwoStarDigitTable() {
    static const TwoStarDigits digits;
    return digits;
}

std::vector<int> RunTwoStarShrink(const TwoStarInput& input, TwoStarState& state) {
    RunGroups(input, state);
    return ShowTwoStarSurvivors(state.table);
}

void ApplyTwoStarTally(const RangeText& totalTolerance, TwoStarTable& table) {
    const AllowedCounts allowed = totalTolerance.Allowed();
    const bool baseSet = table.at(TwoStarTable::kNotesRow, TwoStarTable::kBaseSet) == 1;
    const bool killList = table.at(TwoStarTable::kNotesRow, TwoStarTable::kList) == 1;
    for (int n = 0; n < kCandidates; ++n) {
        if (!allowed.Allows(table.Fails(n)))
            table.at(n, TwoStarTable::kExcluded) = 1;
        if (baseSet && table.at(n, TwoStarTable::kBaseSet) == 0)
            table.at(n, TwoStarTable::kExcluded) = 1;
        if (killList && table.at(n, TwoStarTable::kList) == 1)
            table.at(n, TwoStarTable::kExcluded) = 1;
    }
}

std::vector<int> TwoStarRows(const TwoStarTable& table, int excluded) {
    std::vector<int> rows;
    rows.reserve(kCandidates);
    for (int n = 0; n < kCandidates; ++n)
        if (table.at(n, TwoStarTable::kExcluded) == excluded)
            rows.push_back(n);
    return rows;
}

std::vector<int> ShowTwoStarSurvivors(const TwoStarTable& table) {
    return TwoStarRows(table, 0);
}

std::vector<int> InvertTwoStar(const TwoStarInput& input, TwoStarState& state) {
    RunGroups(input, state);
    return TwoStarRows(state.table, 1);
}

std::vector<int> ConvertTwoStarToGroup(const TwoStarInput& input, TwoStarState& state) {
    RunGroups(input, state);
    return GroupsOf(TwoStarRows(state.table, 0), 2);
}

} // namespace sorvanta::two
