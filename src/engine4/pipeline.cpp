#include "engine4/pipeline.hpp"

#include "common/number_list.hpp"
#include "common/text.hpp"
#include "engine4/banker_groups.hpp"
#include "engine4/base_set.hpp"
#include "engine4/candidate_digits.hpp"
#include "engine4/digit_kills.hpp"
#include "engine4/position_kill.hpp"
#include "engine4/runs_and_extremes.hpp"
#include "engine4/shape_patterns.hpp"
#include "engine4/shape_ratios.hpp"
#include "engine4/special_shapes.hpp"
#include "engine4/splices.hpp"
#include "engine4/top_conditions.hpp"

namespace sorvanta::four {

void RunShrinkPipeline(const FourStarInput& input, FourStarState& state,
                       const ProgressFn& progress) {
    auto report = [&](double share) {
        if (progress)
            progress(share);
    };
    report(0.001);
    InitCandidateSet(state);
    CandidateSet& set = state.candidates;
    const CandidateDigits digits(set);

    // The condition groups run in their fixed order, each writing only its
    // own fail-mark column.
    ApplyTopConditions(input, digits, set);
    ApplyPositionKill(input, digits, set);
    ApplyDigitKills(input, digits, set);
    ApplyBankerGroups(input, digits, set);
    ApplyShapeRatios(input, digits, set);
    ApplySpecialShapes(input, digits, set);
    report(0.5);
    ApplyBigSmallPatterns(input, digits, set);
    ApplyOddEvenPatterns(input, digits, set);
    ApplyPrimeCompositePatterns(input, digits, set);
    ApplyRoute012Patterns(input, digits, set);
    MergeShapePatterns(input, set);
    ApplyRunAndRepeatClasses(input.run_repeat, set);
    ApplyMinMaxDigits(input.smallest_digits, input.largest_digits, set);
    ApplyTwoStarSplice(input.two_star_splice,
                       input.two_star_splice_delete ? SpliceMode::Delete : SpliceMode::Keep,
                       input.two_star_splice_tolerance, set);
    ApplyThreeStarSplice(input.three_star_splice,
                         input.three_star_splice_delete ? SpliceMode::Delete : SpliceMode::Keep,
                         input.three_star_splice_tolerance, set);
    ApplyBaseSet(input, state);

    ApplyTally(state, input.total_tolerance);
    report(0.8);
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
