#include "scheme/scheme_backtest.hpp"

#include "common/number_list.hpp"
#include "engine23/three_star_pipeline.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "engine4/four_star_groups.hpp"
#include "engine4/pipeline.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <memory>
#include <utility>

namespace sorvanta::scheme {

namespace {

// What one run of the scheme leaves for the lookups: per candidate whether
// it survived and which of the report's groups marked it (bit k for
// names[k]). The names are the groups that took part, in pipeline order,
// then the list steps that were given.
struct RunMarks {
    std::vector<std::string> names;
    std::vector<std::uint8_t> survives;
    std::vector<std::uint32_t> marks;
    int bets = 0;

    explicit RunMarks(int candidates)
        : survives(static_cast<std::size_t>(candidates), 0),
          marks(static_cast<std::size_t>(candidates), 0) {}

    void Finish() {
        bets = static_cast<int>(std::count(survives.begin(), survives.end(), std::uint8_t{1}));
    }
};

std::uint32_t Bit(std::size_t k) {
    return std::uint32_t{1} << k;
}

RunMarks FourStarMarks(const four::FourStarInput& input) {
    using four::CandidateSet;
    // The table is 1.2 MB: on the heap, not the stack.
    auto state = std::make_unique<four::FourStarState>();
    four::RunShrinkPipeline(input, *state);

    RunMarks run(CandidateSet::kCandidates);
    std::vector<int> columns;
    for (const four::FourStarGroup& group : four::kFourStarGroups) {
        if (!group.in_use(input))
            continue;
        columns.push_back(group.column);
        run.names.push_back(four::GroupName(group.id, input));
    }
    const bool baseSet = state->BaseSetActive;
    if (baseSet)
        run.names.emplace_back(four::kBaseSetName);
    const std::uint32_t outsideBase = baseSet ? Bit(columns.size()) : 0;

    const CandidateSet& set = state->candidates;
    for (int n = 0; n < CandidateSet::kCandidates; ++n) {
        const std::int16_t* row = set.Row(n);
        std::uint32_t marks = 0;
        for (std::size_t k = 0; k < columns.size(); ++k)
            if (row[columns[k]] != 0)
                marks |= Bit(k);
        if (row[CandidateSet::kBaseSetMember] == 0)
            marks |= outsideBase;
        run.marks[static_cast<std::size_t>(n)] = marks;
        run.survives[static_cast<std::size_t>(n)] = row[CandidateSet::kExcluded] == 0 ? 1 : 0;
    }
    run.Finish();
    return run;
}

// The three- and two-star tables share one layout: mark column k + 1 was
// taken by the k-th active group, columns 99 and 100 hold the base set and
// the list, each with its in-use note.
template <typename Table>
void ReadStarTable(const Table& table, std::size_t groups, bool baseSet, bool list, RunMarks& run) {
    const std::int32_t* excluded = table.Column(Table::kExcluded);
    const std::int32_t* base = table.Column(Table::kBaseSet);
    const std::int32_t* listed = table.Column(Table::kList);
    const std::uint32_t outsideBase = baseSet ? Bit(groups) : 0;
    const std::uint32_t onList = list ? Bit(groups + (baseSet ? 1 : 0)) : 0;
    for (std::size_t k = 0; k < groups; ++k) {
        const std::int32_t* cells = table.Column(Table::kFirstMark + static_cast<int>(k));
        for (int n = 0; n < Table::kCandidates; ++n)
            if (cells[n] == 1)
                run.marks[static_cast<std::size_t>(n)] |= Bit(k);
    }
    for (int n = 0; n < Table::kCandidates; ++n) {
        std::uint32_t& marks = run.marks[static_cast<std::size_t>(n)];
        if (base[n] == 0)
            marks |= outsideBase;
        if (listed[n] == 1)
            marks |= onList;
        run.survives[static_cast<std::size_t>(n)] = excluded[n] == 0 ? 1 : 0;
    }
    run.Finish();
}

RunMarks ThreeStarMarks(const three::ThreeStarInput& input) {
    auto state = std::make_unique<three::ThreeStarState>();
    three::RunThreeStarShrink(input, *state);
    RunMarks run(three::kThreeStarCandidates);
    for (three::ThreeStarGroupId id : state->columns)
        run.names.emplace_back(three::GroupName(id));
    const bool baseSet = state->BaseSetInForce();
    const bool mustKeep = state->MustKeepGiven();
    if (baseSet)
        run.names.emplace_back(three::kBaseSetName);
    if (mustKeep)
        run.names.emplace_back(three::kMustKeepName);
    // The must-keep list marks nothing: its line counts the winning numbers
    // on it (each of them survives whatever the groups said).
    ReadStarTable(std::as_const(state->table), state->columns.size(), baseSet, mustKeep, run);
    return run;
}

RunMarks TwoStarMarks(const two::TwoStarInput& input) {
    two::TwoStarState state;
    two::RunTwoStarShrink(input, state);
    RunMarks run(two::TwoStarTable::kCandidates);
    for (two::TwoStarGroupId id : state.columns)
        run.names.emplace_back(two::GroupName(id));
    const two::TwoStarTable& table = state.table;
    const bool baseSet = table.at(two::TwoStarTable::kNotesRow, two::TwoStarTable::kBaseSet) == 1;
    const bool killList = table.at(two::TwoStarTable::kNotesRow, two::TwoStarTable::kList) == 1;
    if (baseSet)
        run.names.emplace_back(two::kBaseSetName);
    if (killList)
        run.names.emplace_back(two::kKillListName);
    ReadStarTable(table, state.columns.size(), baseSet, killList, run);
    return run;
}

RunMarks MarksOf(const Scheme& scheme) {
    return std::visit(
        [](const auto& input) {
            using T = std::decay_t<decltype(input)>;
            if constexpr (std::is_same_v<T, four::FourStarInput>)
                return FourStarMarks(input);
            else if constexpr (std::is_same_v<T, three::ThreeStarInput>)
                return ThreeStarMarks(input);
            else
                return TwoStarMarks(input);
        },
        scheme.input);
}

std::string PositionText(const history::PositionSelection& positions) {
    std::string text;
    for (int k = 0; k < 5; ++k)
        if (positions.Selected(k))
            text += history::kPositionNames[static_cast<std::size_t>(k)];
    return text;
}

void AppendNumber(std::string& out, long long n) {
    out += std::to_string(n);
}

} // namespace

history::PositionSelection DefaultPositions(Mode mode) {
    return history::SelectionOf(history::LastPositions(Width(mode)));
}

void CheckPositions(Mode mode, const history::PositionSelection& positions) {
    if (positions.Count() == Width(mode))
        return;
    throw SchemeError("the positions " + PositionText(positions) + " give " +
                      std::to_string(positions.Count()) + " digits, but a \"" +
                      std::string(Name(mode)) + "\" scheme's numbers have " +
                      std::to_string(Width(mode)));
}

SchemeBacktest RunSchemeBacktest(const Scheme& scheme, const history::DrawHistory& draws,
                                 const SchemeBacktestOptions& options) {
    const history::PositionSelection positions =
        options.positions ? *options.positions : DefaultPositions(scheme.mode);
    CheckPositions(scheme.mode, positions);
    const int width = Width(scheme.mode);

    const RunMarks run = MarksOf(scheme);
    SchemeBacktest result;
    result.bets = run.bets;
    result.candidates = Candidates(scheme.mode);
    result.groups.reserve(run.names.size());
    for (const std::string& name : run.names)
        result.groups.push_back({name, 0});

    const int rows = history::RowsOfLine(options.history_line);
    result.outcomes.reserve(
        static_cast<std::size_t>(options.last > 0 ? std::min(options.last, rows) : rows));
    int hitRun = 0;
    int missRun = 0;
    for (int row = 1; row <= rows; ++row) {
        if (options.last > 0 && result.draws >= options.last)
            break;
        if (!draws.HasDraw(row))
            continue;
        const std::string& drawText = draws.Number(row);
        std::string number = positions.KeyOf(drawText);
        const int value = FixedWidthValue(number, width);
        if (value < 0)
            continue; // a draw text that is not five digits gives no winning number
        DrawOutcome outcome;
        outcome.period = draws.Period(row);
        outcome.draw = drawText;
        outcome.number = std::move(number);
        outcome.hit = run.survives[static_cast<std::size_t>(value)] != 0;
        const std::uint32_t marks = run.marks[static_cast<std::size_t>(value)];
        if (!outcome.hit)
            outcome.groups.reserve(static_cast<std::size_t>(std::popcount(marks)));
        for (std::size_t k = 0; k < result.groups.size(); ++k) {
            if ((marks & Bit(k)) == 0)
                continue;
            ++result.groups[k].marked;
            if (!outcome.hit)
                outcome.groups.push_back(result.groups[k].name);
        }
        ++result.draws;
        if (outcome.hit) {
            ++result.hits;
            missRun = 0;
            result.longest_hits = std::max(result.longest_hits, ++hitRun);
        } else {
            hitRun = 0;
            result.longest_misses = std::max(result.longest_misses, ++missRun);
        }
        result.outcomes.push_back(std::move(outcome));
    }
    if (options.money)
        FollowPurse(result, *options.money);
    return result;
}

void FollowPurse(SchemeBacktest& result, const history::PurseTerms& terms) {
    // The money is spent oldest draw first.
    std::vector<bool> hits(result.outcomes.size());
    std::transform(result.outcomes.rbegin(), result.outcomes.rend(), hits.begin(),
                   [](const DrawOutcome& o) { return o.hit; });
    result.purse = history::FollowPurse(hits, result.bets, terms);
}

std::string SchemeBacktest::MoneyText() const {
    if (!purse)
        return {};
    using history::FormatYuan;
    // Nothing spent has no rate: a bare "-", no percent sign.
    const std::string rate = history::FormatReturnRate(*purse);
    return "cost " + FormatYuan(purse->cost) + "\nreturn " + FormatYuan(purse->paid) + "\nprofit " +
           FormatYuan(purse->Profit()) + "\nreturn rate " + rate + (rate == "-" ? "" : "%") +
           "\nlowest balance " + FormatYuan(purse->lowest_balance) + "\nmax drawdown " +
           FormatYuan(purse->max_drawdown) + "\nhighest multiplier " +
           std::to_string(purse->highest_multiplier) + "\n";
}

std::string SchemeBacktest::Text(bool details) const {
    std::string out;
    out.reserve(128 + groups.size() * 32 + (details ? outcomes.size() * 64 : 0));
    out += "bets ";
    AppendNumber(out, bets);
    out += "\ndraws ";
    AppendNumber(out, draws);
    out += " hits ";
    AppendNumber(out, hits);
    out += "\nlongest hits ";
    AppendNumber(out, longest_hits);
    out += " longest misses ";
    AppendNumber(out, longest_misses);
    out += '\n';
    for (const GroupMarks& group : groups) {
        out += group.name;
        out += '\t';
        AppendNumber(out, group.marked);
        out += '\n';
    }
    out += MoneyText();
    if (!details)
        return out;
    for (std::size_t i = 0; i < outcomes.size(); ++i) {
        const DrawOutcome& outcome = outcomes[i];
        out += outcome.period;
        out += ' ';
        out += outcome.draw;
        out += ' ';
        out += outcome.number;
        out += outcome.hit ? " hit" : " miss";
        // A miss that no group marked (the total tolerance's lower bound
        // took it out) has no names, and no tab.
        for (std::size_t k = 0; k < outcome.groups.size(); ++k) {
            out += k == 0 ? "\t" : "、";
            out += outcome.groups[k];
        }
        if (purse) {
            out += '\t';
            out += history::FormatYuan(purse->steps[outcomes.size() - 1 - i].balance);
        }
        out += '\n';
    }
    return out;
}

} // namespace sorvanta::scheme
