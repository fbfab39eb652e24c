#include "engine23/three_star_pipeline.hpp"

#include "common/number_list.hpp"

namespace sorvanta::three {

int ThreeStarState::ColumnOf(ThreeStarGroupId id) const {
    for (std::size_t k = 0; k < columns.size(); ++k)
        if (columns[k] == id)
            return ThreeStarTable::kFirstMark + static_cast<int>(k);
    return 0;
}

void RunThreeStarShrink(const ThreeStarInput& input, ThreeStarState& state) {
    state.result_text.clear();
    state.survivors.clear();
    state.count = 0;
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
        for (int n = 0; n < kThreeStarCandidates; ++n)
            if (marks[static_cast<std::size_t>(n)] != 0)
                table.at(n, column) = 1;
    }
    ApplyThreeStarBaseSet(input, table);
    ApplyMustKeep(input, table);

    ApplyThreeStarTally(table, input.total_tolerance);
    ShowThreeStarSurvivors(state);
}

void ApplyThreeStarTally(ThreeStarTable& table, const RangeText& totalTolerance) {
    const AllowedCounts allowed = totalTolerance.Allowed();
    const bool baseSet = table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kBaseSet) == 1;
    for (int n = 0; n < kThreeStarCandidates; ++n) {
        if (!allowed.Allows(table.Fails(n)))
            table.at(n, ThreeStarTable::kExcluded) = 1;
        if (baseSet && table.at(n, ThreeStarTable::kBaseSet) == 0)
            table.at(n, ThreeStarTable::kExcluded) = 1;
        if (table.at(n, ThreeStarTable::kList) == 1)
            table.at(n, ThreeStarTable::kExcluded) = 0;
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

void ShowThreeStarSurvivors(ThreeStarState& state) {
    state.survivors = CollectThreeStarRows(state.table, 0);
    state.result_text = JoinNumbers(state.survivors, 3);
    state.count = static_cast<int>(state.survivors.size());
}

} // namespace sorvanta::three
