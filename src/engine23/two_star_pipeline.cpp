#include "engine23/two_star_pipeline.hpp"

#include "common/number_list.hpp"

namespace sorvanta::two {

namespace {

constexpr int kCandidates = TwoStarTable::kCandidates;

TwoStarResult Listed(std::vector<int> numbers) {
    TwoStarResult result;
    result.text = JoinNumbers(numbers, 2);
    result.count = static_cast<int>(numbers.size());
    result.numbers = std::move(numbers);
    return result;
}

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

TwoStarResult RunTwoStarShrink(const TwoStarInput& input, TwoStarState& state) {
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

TwoStarResult ShowTwoStarSurvivors(const TwoStarTable& table) {
    return Listed(TwoStarRows(table, 0));
}

TwoStarResult InvertTwoStar(const TwoStarInput& input, TwoStarState& state) {
    RunGroups(input, state);
    return Listed(TwoStarRows(state.table, 1));
}

TwoStarResult ConvertTwoStarToGroup(const TwoStarInput& input, TwoStarState& state) {
    RunGroups(input, state);
    return Listed(GroupsOf(TwoStarRows(state.table, 0), 2));
}

} // namespace sorvanta::two
