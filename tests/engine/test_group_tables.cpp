// The one shape of the three modes' group tables: every group's Apply takes
// part exactly when its InUse says so, and a group that is off writes
// nothing. One shared check over each toggle's one-button scheme (a group
// switched on alone) and panels filled by typing, where the text rules
// decide.
#include "engine23/three_star_pipeline.hpp"
#include "engine23/two_star_pipeline.hpp"
#include "engine4/four_star_groups.hpp"
#include "scheme/condition_stats.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::scheme;

namespace {

// Conditions typed into boxes, each line a scheme's conditions: boxes
// holding their hint, too short, of the wrong width, and in use.
const struct {
    const char* mode;
    const char* conditions;
} kTyped[] = {
    {"three", R"("kill_direct": "12")"},
    {"three", R"("kill_direct": "1 2 3")"},
    {"three", R"("kill_group": "双击清空")"},
    {"three", R"("kill_group": "3210")"},
    {"three", R"("junk_compounds": "1*\n")"},
    {"three", R"("junk_compounds": "12*3")"},
    {"three", R"("kill_pairs": "123 4")"},
    {"three", R"("require_pairs": "12")"},
    {"three", R"("position_kill_pairs": ["", "", "7 89"])"},
    {"three", R"("position_require_pairs": ["123", "", ""])"},
    {"three", R"("pair_sums": {"keep_diff": ["", "123", ""]})"},
    {"three", R"("pair_sums": {"exclude_sum_tail": ["", "", "4"]})"},
    {"three", R"("position_match": ["百大于个"])"},
    {"three", R"("broken_groups": "=12")"},
    {"three", R"("broken_groups": "12-34=1")"},
    {"three", R"("largest_digits": "x")"},
    {"three", R"("smallest_digits": "a3")"},
    {"three", R"("exclude_compound": ["1", "2", ""])"},
    {"two", R"("compound_exclusion": ["12", ""])"},
    {"two", R"("banker_rows": [{"digits": "", "counts": "1"}, {}, {}])"},
    {"four", R"("kill_direct": "123 12345")"},
    {"four", R"("kill_direct": "1234")"},
    {"four", R"("junk_compounds": "1*2*3")"},
    {"four", R"("kill_triples": "12")"},
    {"four", R"("require_pairs": "1")"},
    {"four", R"("kill_patterns": "12*")"},
    {"four", R"("kill_patterns": "12**")"},
    {"four", R"("kill_sums": "和值输入要保持2位数，例如：00 05 08 16")"},
    {"four", R"("kill_sums": "5")"},
    {"four", R"("kill_sums": "05")"},
    {"four", R"("two_star_splice": ["", "", "1", "", "", ""])"},
    {"four", R"("two_star_splice": ["", "", "12", "", "", ""])"},
    {"four", R"("three_star_splice": ["", "12", "", ""])"},
    {"four", R"("three_star_splice": ["", "", "", "123"])"},
};

Scheme Typed(const char* mode, const char* conditions) {
    return ParseScheme(R"({"format": "sorvanta-scheme", "version": 1, "mode": ")" +
                       std::string(mode) + R"(", "conditions": {)" + conditions + "}}");
}

// The panels to check: every toggle of the mode alone (for four-star, the
// first button of each row, since its table is a hundred times larger),
// then the typed ones.
std::vector<Scheme> Panels(Mode mode) {
    std::vector<Scheme> panels;
    std::string lastField;
    for (const Toggle& toggle : AllToggles(mode)) {
        if (mode == Mode::Four && toggle.field == lastField)
            continue;
        lastField = toggle.field;
        panels.push_back(ToggleScheme(mode, toggle));
    }
    for (const auto& typed : kTyped)
        if (typed.mode == Name(mode))
            panels.push_back(Typed(typed.mode, typed.conditions));
    return panels;
}

TEST(GroupTables, ApplyTakesPartExactlyWhenInUse) {
    int inUse = 0;
    int off = 0;
    for (const Scheme& panel : Panels(Mode::Three)) {
        const auto& input = std::get<three::ThreeStarInput>(panel.input);
        for (const three::ThreeStarGroup& group : three::kThreeStarGroups) {
            three::ThreeStarMarks marks{};
            const bool on = group.in_use(input);
            ASSERT_EQ(group.apply(input, marks), on) << group.name << " " << WriteScheme(panel);
            if (!on) {
                EXPECT_EQ(std::count(marks.begin(), marks.end(), 0), marks.size()) << group.name;
            }
            (on ? inUse : off) += 1;
        }
    }
    for (const Scheme& panel : Panels(Mode::Two)) {
        const auto& input = std::get<two::TwoStarInput>(panel.input);
        for (const two::TwoStarGroup& group : two::kTwoStarGroups) {
            two::TwoStarTable table;
            const bool on = group.in_use(input);
            ASSERT_EQ(group.apply(input, two::TwoStarDigitTable(), table), on)
                << group.name << " " << WriteScheme(panel);
            EXPECT_EQ(table.ConditionCount(), on ? 1 : 0) << group.name;
            (on ? inUse : off) += 1;
        }
    }
    auto state = std::make_unique<four::FourStarState>();
    for (const Scheme& panel : Panels(Mode::Four)) {
        const auto& input = panel.four();
        four::InitCandidateSet(*state);
        const four::CandidateDigits digits(state->candidates);
        for (const four::FourStarGroup& group : four::kFourStarGroups) {
            const bool on = group.in_use(input);
            ASSERT_EQ(group.apply(input, digits, state->candidates), on)
                << four::GroupName(group.id, input) << group.column << " " << WriteScheme(panel);
            (on ? inUse : off) += 1;
        }
    }
    // Both answers were asked for many times.
    EXPECT_GT(inUse, 250);
    EXPECT_GT(off, 3000);
}

} // namespace
