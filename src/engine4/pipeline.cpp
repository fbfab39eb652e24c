#include "engine4/pipeline.hpp"

#include "common/number_list.hpp"
#include "common/text.hpp"
#include "engine4/base_set.hpp"
#include "engine4/candidate_digits.hpp"
#include "engine4/four_star_groups.hpp"

namespace sorvanta::four {

void RunShrinkPipeline(const FourStarInput& input, FourStarState& state,
                       const ProgressFn& progress) {
    auto report = [&](double share) {
        if (progress)
            progress(share);
    };
    report(0.001);
    RunFourStarGroups(input, state, progress);
    ApplyBaseSet(input, state);
    ApplyTally(state, input.total_tolerance);
    report(0.8);
}

void RunFourStarGroups(const FourStarInput& input, FourStarState& state,
                       const ProgressFn& progress) {
    InitCandidateSet(state);
    CandidateSet& set = state.candidates;
    const CandidateDigits digits(set);
    // Each group writes only its own fail-mark column; the bar stands at
    // half before the shape patterns.
    for (const FourStarGroup& group : kFourStarGroups) {
        if (group.id == FourStarGroupId::ShapePatterns && progress)
            progress(0.5);
        group.apply(input, digits, set);
    }
}

void ApplyTally(FourStarState& state, const RangeText& totalTolerance) {
    const int lower = ReadLeadingNumber(totalTolerance.lower);
    const int upper = ReadLeadingNumber(totalTolerance.upper);
    CandidateSet& set = state.candidates;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        std::int16_t* row = set.Row(n);
        if (state.BaseSetActive && row[CandidateSet::kBaseSetMember] == 0) {
            row[CandidateSet::kExcluded] = 1;
            continue;
        }
        int fails = 0;
        for (int c = CandidateSet::kFirstMark; c <= CandidateSet::kLastMark; ++c)
            fails += row[c];
        row[CandidateSet::kExcluded] = (fails > upper || fails < lower) ? 1 : 0;
    }
}

std::vector<int> CollectRows(const CandidateSet& set, int excluded) {
    std::vector<int> rows;
    rows.reserve(CandidateSet::kCandidates);
    for (int n = 0; n < CandidateSet::kCandidates; ++n)
        if (set.at(n, CandidateSet::kExcluded) == excluded)
            rows.push_back(n);
    return rows;
}

std::string JoinNumbers(const std::vector<int>& rows) {
    return sorvanta::JoinNumbers(rows, 4);
}

std::vector<std::string> FourPerLine(const std::vector<int>& rows) {
    return NumbersPerLine(rows, 4, 4);
}

} // namespace sorvanta::four
