#include "scheme/condition_stats.hpp"

#include "common/number_list.hpp"
#include "engine23/three_star_captions.hpp"
#include "engine23/three_star_pipeline.hpp"
#include "engine23/two_star_input.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "engine4/pipeline.hpp"
#include "engine4/runs_and_extremes.hpp"
#include "engine4/shape_patterns.hpp"
#include "engine4/shape_ratios.hpp"
#include "engine4/special_shapes.hpp"

#include <nlohmann/json.hpp>

#include <algorithm>
#include <memory>
#include <string_view>

namespace sorvanta::scheme {

namespace {

using nlohmann::json;

// How a field holds its chosen values in a scheme file.
enum class Kind {
    Digits,   // a string of digits: "079"
    Captions, // an array of captions
    Integers, // an array of whole numbers
    SumText,  // a box's text, numbers separated by blanks
};

// One row of buttons: a field (or one row or member of it) and its values
// in the panel's order.
struct ButtonRow {
    std::string field;
    Kind kind;
    std::string group;
    std::vector<std::string> values;
};

template <class Range> std::vector<std::string> Texts(const Range& range) {
    return {std::begin(range), std::end(range)};
}

std::vector<std::string> DigitTexts(int low, int high) {
    std::vector<std::string> values;
    for (int d = low; d <= high; ++d)
        values.push_back(std::to_string(d));
    return values;
}

std::vector<std::string> TwoDigitTexts(int high) {
    std::vector<std::string> values;
    for (int n = 0; n <= high; ++n)
        values.push_back(FixedWidth(n, 2));
    return values;
}

std::vector<ButtonRow> FourStarRows() {
    using four::PatternKind;
    const std::vector<std::string> digits = DigitTexts(0, 9);
    std::vector<ButtonRow> rows;
    const char* places[] = {"千位", "百位", "十位", "个位"};
    for (int r = 0; r < 4; ++r)
        rows.push_back({"position_kill[" + std::to_string(r) + "]", Kind::Digits,
                        std::string("定位杀 ") + places[r], digits});
    const std::vector<ButtonRow> rest = {
        {"kill_sum_tails", Kind::Digits, "杀和尾", digits},
        {"kill_spans", Kind::Digits, "杀跨度", digits},
        {"kill_all_digits", Kind::Digits, "通杀码", digits},
        {"kill_sums", Kind::SumText, "杀和值", TwoDigitTexts(36)},
        {"kill_ac", Kind::Digits, "杀AC值", DigitTexts(1, 6)},
        {"ratio_big_small", Kind::Captions, "大小比", Texts(four::kRatioCaptions)},
        {"ratio_odd_even", Kind::Captions, "奇偶比", Texts(four::kRatioCaptions)},
        {"ratio_prime_composite", Kind::Captions, "质合比", Texts(four::kRatioCaptions)},
        {"special_shapes", Kind::Captions, "杀特殊形态", Texts(four::kSpecialShapeCaptions)},
        {"pattern_big_small", Kind::Captions, "杀大小、奇偶、质合形态",
         four::PatternButtonCaptions(PatternKind::BigSmall)},
        {"pattern_odd_even", Kind::Captions, "杀大小、奇偶、质合形态",
         four::PatternButtonCaptions(PatternKind::OddEven)},
        {"pattern_prime_composite", Kind::Captions, "杀大小、奇偶、质合形态",
         four::PatternButtonCaptions(PatternKind::PrimeComposite)},
        {"pattern_route012", Kind::Captions, "杀012路形态",
         four::PatternButtonCaptions(PatternKind::Route012)},
        {"run_repeat", Kind::Captions, "杀连号重号", Texts(four::kRunRepeatCaptions)},
        {"smallest_digits", Kind::Digits, "最小号", DigitTexts(0, 8)},
        {"largest_digits", Kind::Digits, "最大号", DigitTexts(1, 9)},
    };
    rows.insert(rows.end(), rest.begin(), rest.end());
    return rows;
}

// The engine's toggle table names the statistics' buttons, in their order.
std::vector<ButtonRow> ThreeStarRows() {
    std::vector<ButtonRow> rows;
    for (const three::ToggleBlock& toggle : three::kThreeStarToggles)
        if (!toggle.stats.empty())
            rows.push_back({std::string(toggle.field),
                            toggle.sums     ? Kind::Integers
                            : toggle.digits ? Kind::Digits
                                            : Kind::Captions,
                            std::string(toggle.stats), Texts(toggle.captions)});
    return rows;
}

std::vector<ButtonRow> TwoStarRows() {
    std::vector<ButtonRow> rows = {
        // These rows number their buttons from 9 (18) down, but the panel
        // lays them out from 0 up, and that is the order a player reads.
        {"kill_spans", Kind::Digits, "杀跨度", DigitTexts(0, 9)},
        {"kill_sums", Kind::Integers, "杀和值", DigitTexts(0, 18)},
        {"position_kill[0]", Kind::Digits, "定位杀 十位", DigitTexts(0, 9)},
        {"position_kill[1]", Kind::Digits, "定位杀 个位", DigitTexts(0, 9)},
        {"compound_exclusion[0]", Kind::Digits, "复式排除(十位)",
         Texts(two::kCompoundExclusionCaptions[0])},
        {"compound_exclusion[1]", Kind::Digits, "复式排除(个位)",
         Texts(two::kCompoundExclusionCaptions[1])},
        {"shapes.big_small", Kind::Captions, "杀形态、杀012路", Texts(two::kBigSmallCaptions)},
        {"shapes.odd_even", Kind::Captions, "杀形态、杀012路", Texts(two::kOddEvenCaptions)},
        {"shapes.prime_composite", Kind::Captions, "杀形态、杀012路",
         Texts(two::kPrimeCompositeCaptions)},
        {"shapes.route012", Kind::Captions, "杀形态、杀012路", Texts(two::kRoute012Captions)},
        {"special_shapes", Kind::Captions, "特殊形态", Texts(two::kSpecialShapeCaptions)},
    };
    return rows;
}

const std::vector<ButtonRow>& RowsOf(Mode mode) {
    static const std::vector<ButtonRow> two = TwoStarRows();
    static const std::vector<ButtonRow> three = ThreeStarRows();
    static const std::vector<ButtonRow> four = FourStarRows();
    return mode == Mode::Two ? two : mode == Mode::Three ? three : four;
}

const ButtonRow* RowOf(Mode mode, const std::string& field) {
    for (const ButtonRow& row : RowsOf(mode))
        if (row.field == field)
            return &row;
    return nullptr;
}

// The rows of a digit-row field (定位杀 and 排除复式): its length is fixed.
int RowCount(Mode mode) {
    return Width(mode);
}

bool IsBlank(std::string_view text) {
    return text.find_first_not_of(" \t\r\n") == std::string_view::npos;
}

// Adds one value at the field's place in `conditions`; false when it was
// already there.
bool AddValue(Mode mode, json& conditions, const ButtonRow& row, const std::string& value) {
    std::string top = row.field;
    int index = -1;
    std::string member;
    if (const auto bracket = top.find('['); bracket != std::string::npos) {
        index = std::stoi(top.substr(bracket + 1));
        top.resize(bracket);
    } else if (const auto dot = top.find('.'); dot != std::string::npos) {
        member = top.substr(dot + 1);
        top.resize(dot);
    }
    json* node = &conditions[top];
    if (index >= 0) {
        if (!node->is_array())
            *node = json::array();
        while (static_cast<int>(node->size()) < RowCount(mode))
            node->push_back("");
        node = &(*node)[static_cast<std::size_t>(index)];
    } else if (!member.empty()) {
        if (!node->is_object())
            *node = json::object();
        node = &(*node)[member];
    }
    switch (row.kind) {
    case Kind::Digits: {
        std::string digits = node->is_string() ? node->get<std::string>() : std::string();
        if (digits.find(value) != std::string::npos)
            return false;
        *node = digits + value;
        return true;
    }
    case Kind::Captions:
    case Kind::Integers: {
        if (!node->is_array())
            *node = json::array();
        const json item = row.kind == Kind::Captions ? json(value) : json(std::stoi(value));
        if (std::find(node->begin(), node->end(), item) != node->end())
            return false;
        node->push_back(item);
        return true;
    }
    case Kind::SumText: {
        // A box still showing its hint holds no number: the value replaces it.
        std::string text = node->is_string() ? node->get<std::string>() : std::string();
        if (text == four::kSumHint || IsBlank(text)) {
            *node = value;
            return true;
        }
        std::size_t start = 0;
        while (start < text.size()) {
            const std::size_t end = std::min(text.find_first_of(" \t\r\n", start), text.size());
            if (text.compare(start, end - start, value) == 0)
                return false;
            start = end + 1;
        }
        *node = text + " " + value;
        return true;
    }
    }
    return false;
}

// The numbers a toggle's scheme does not keep. It switches one button on,
// so no list step is in force: the mode's group table, walked as the shrink
// walks it, and the tally over the total tolerance decide alone.
KillSet KillsOf(const Scheme& scheme, four::FourStarState& four, three::ThreeStarState& three,
                two::TwoStarState& two) {
    KillSet kills;
    const auto killed = [&](int candidates, auto excluded) {
        for (int n = 0; n < candidates; ++n)
            if (excluded(n))
                kills.set(static_cast<std::size_t>(n));
    };
    std::visit(
        [&](const auto& input) {
            using T = std::decay_t<decltype(input)>;
            if constexpr (std::is_same_v<T, four::FourStarInput>) {
                four::RunFourStarGroups(input, four);
                four::ApplyTally(four, input.total_tolerance);
                killed(four::CandidateSet::kCandidates, [&](int n) {
                    return four.candidates.at(n, four::CandidateSet::kExcluded) != 0;
                });
            } else if constexpr (std::is_same_v<T, three::ThreeStarInput>) {
                three::RunThreeStarGroups(input, three);
                three::ApplyThreeStarTally(three.table, input.total_tolerance);
                killed(three::kThreeStarCandidates, [&](int n) {
                    return three.table.at(n, three::ThreeStarTable::kExcluded) != 0;
                });
            } else {
                two::RunTwoStarGroups(input, two);
                two::ApplyTwoStarTally(input.total_tolerance, two.table);
                killed(two::TwoStarTable::kCandidates,
                       [&](int n) { return two.table.at(n, two::TwoStarTable::kExcluded) != 0; });
            }
        },
        scheme.input);
    return kills;
}

} // namespace

std::vector<ToggleKills> ComputeModeToggles(Mode mode) {
    // The tables are large: on the heap, and one of each for every run.
    auto four = std::make_unique<four::FourStarState>();
    auto three = std::make_unique<three::ThreeStarState>();
    auto two = std::make_unique<two::TwoStarState>();
    const int candidates = Candidates(mode);
    std::vector<ToggleKills> listed;
    for (Toggle& toggle : AllToggles(mode)) {
        KillSet kills = KillsOf(ToggleScheme(mode, toggle), *four, *three, *two);
        const int size = static_cast<int>(kills.count());
        if (size == 0 || size == candidates)
            continue;
        listed.push_back({std::move(toggle), kills, size});
    }
    return listed;
}

std::vector<Toggle> AllToggles(Mode mode) {
    std::vector<Toggle> toggles;
    for (const ButtonRow& row : RowsOf(mode))
        for (const std::string& value : row.values)
            toggles.push_back({row.field, value, row.group, value});
    return toggles;
}

const std::vector<ToggleKills>& ModeToggles(Mode mode) {
    // Each worked out on its first use, once, whichever thread asks.
    switch (mode) {
    case Mode::Two: {
        static const std::vector<ToggleKills> two = ComputeModeToggles(Mode::Two);
        return two;
    }
    case Mode::Three: {
        static const std::vector<ToggleKills> three = ComputeModeToggles(Mode::Three);
        return three;
    }
    case Mode::Four:
        break;
    }
    static const std::vector<ToggleKills> four = ComputeModeToggles(Mode::Four);
    return four;
}

Scheme ToggleScheme(Mode mode, const Toggle& toggle) {
    Scheme empty;
    switch (mode) {
    case Mode::Two:
        empty = Scheme(two::TwoStarInput{});
        break;
    case Mode::Three:
        empty = Scheme(three::ThreeStarInput{});
        break;
    case Mode::Four:
        empty = Scheme(four::FourStarInput{});
        break;
    }
    return AddToggles(empty, std::span<const Toggle>(&toggle, 1));
}

Scheme AddToggles(const Scheme& scheme, std::span<const Toggle> toggles, int* added) {
    // Through the scheme's own JSON, so every value is read by the field's
    // own reader, exactly as a saved scheme would be.
    json document = json::parse(WriteScheme(scheme));
    json& conditions = document["conditions"];
    int count = 0;
    for (const Toggle& toggle : toggles) {
        const ButtonRow* row = RowOf(scheme.mode, toggle.field);
        if (!row ||
            std::find(row->values.begin(), row->values.end(), toggle.value) == row->values.end())
            throw SchemeError(toggle.field + " " + toggle.value + ": not a button of a \"" +
                              std::string(Name(scheme.mode)) + "\" panel");
        if (AddValue(scheme.mode, conditions, *row, toggle.value))
            ++count;
    }
    if (added)
        *added = count;
    return ParseScheme(document.dump());
}

int ExpectedTenths(long long draws, long long size, long long candidates) {
    if (candidates <= 0)
        return 0;
    const long long numerator = draws * size * 10;
    long long q = numerator / candidates;
    const long long twice = 2 * (numerator % candidates);
    if (twice > candidates || (twice == candidates && q % 2 == 1))
        ++q;
    return static_cast<int>(q);
}

std::string ToggleFigures::Expected() const {
    return std::to_string(expected_tenths / 10) + "." + std::to_string(expected_tenths % 10);
}

std::vector<WinningDraw> WinningDraws(Mode mode, const history::DrawHistory& draws,
                                      const SchemeBacktestOptions& options) {
    const history::PositionSelection positions =
        options.positions ? *options.positions : DefaultPositions(mode);
    CheckPositions(mode, positions);
    const int rows = history::RowsOfLine(options.history_line);
    std::vector<WinningDraw> winning;
    winning.reserve(static_cast<std::size_t>(rows));
    for (int row = 1; row <= rows; ++row) {
        if (options.last > 0 && static_cast<int>(winning.size()) >= options.last)
            break;
        if (!draws.HasDraw(row))
            continue;
        const int value = FixedWidthValue(positions.KeyOf(draws.Number(row)), Width(mode));
        if (value < 0)
            continue; // as the backtest: a draw text that is not five digits is passed over
        winning.push_back({draws.Period(row), value});
    }
    return winning;
}

ToggleFigures FiguresOf(const KillSet& kills, int size, int candidates,
                        std::span<const WinningDraw> draws) {
    ToggleFigures f;
    f.expected_tenths = ExpectedTenths(static_cast<long long>(draws.size()), size, candidates);
    bool safeSoFar = true;
    int safeRun = 0;
    int killedRun = 0;
    for (const WinningDraw& draw : draws) {
        if (kills.test(static_cast<std::size_t>(draw.number))) {
            if (f.killed++ == 0)
                f.last = draw.period;
            safeSoFar = false;
            safeRun = 0;
            f.longest_killed = std::max(f.longest_killed, ++killedRun);
        } else {
            if (safeSoFar)
                ++f.current;
            killedRun = 0;
            f.longest_safe = std::max(f.longest_safe, ++safeRun);
        }
    }
    if (f.killed == 0)
        f.last = "-";
    return f;
}

ConditionStats RunConditionStats(Mode mode, const history::DrawHistory& draws,
                                 const SchemeBacktestOptions& options) {
    const std::vector<WinningDraw> winning = WinningDraws(mode, draws, options);
    ConditionStats stats;
    stats.mode = mode;
    stats.draws = static_cast<int>(winning.size());
    const std::vector<ToggleKills>& toggles = ModeToggles(mode);
    stats.toggles.reserve(toggles.size());
    stats.figures.reserve(toggles.size());
    for (const ToggleKills& t : toggles) {
        stats.toggles.push_back(&t);
        stats.figures.push_back(FiguresOf(t.kills, t.size, Candidates(mode), winning));
    }
    return stats;
}

std::string ConditionStats::Text() const {
    std::string out = "draws " + std::to_string(draws) + "\n";
    out.reserve(out.size() + toggles.size() * 64);
    for (std::size_t i = 0; i < toggles.size(); ++i) {
        const Toggle& t = toggles[i]->toggle;
        const ToggleFigures& f = figures[i];
        for (const std::string& cell :
             {t.field, t.value, std::to_string(f.killed), f.Expected(), std::to_string(f.current),
              std::to_string(f.longest_safe), std::to_string(f.longest_killed)}) {
            out += cell;
            out += '\t';
        }
        out += f.last;
        out += '\n';
    }
    return out;
}

} // namespace sorvanta::scheme
