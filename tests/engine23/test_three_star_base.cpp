// The base set (column 99) and the must-keep list (column 100).

#include "three_star_test_support.hpp"

#include <gtest/gtest.h>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

using Rows = std::vector<int>;

Rows Column(const ThreeStarTable& table, int column) {
    Rows rows;
    for (int n = 0; n < kThreeStarCandidates; ++n)
        if (table.at(n, column) == 1)
            rows.push_back(n);
    return rows;
}

struct BaseCase {
    const char* name;
    const char* text;
    bool group;
    bool inForce;
    Rows members;
};

TEST(ThreeStarBaseSet, Cases) {
    const BaseCase cases[] = {
        {"direct pieces", "123 045 6", false, true, {45, 123}},
        {"group orderings", "123", true, true, {123, 132, 213, 231, 312, 321}},
        {"group with a repeat", "112", true, true, {112, 121, 211}},
        {"no 3-digit piece, direct: in force and empty", "12 34", false, true, {}},
        {"no 3-digit piece, group: in force and empty ", "12 34", true, true, {}},
        {"too short: off", "12", false, false, {}},
        {"hint: off", "大底号码，双击清空", false, false, {}},
        {"empty: off", "", true, false, {}},
    };
    for (const BaseCase& c : cases) {
        ThreeStarInput input;
        input.base_set = c.text;
        input.base_set_group = c.group;
        ThreeStarTable table;
        ApplyThreeStarBaseSet(input, table);
        EXPECT_EQ(table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kBaseSet) == 1, c.inForce)
            << c.name;
        EXPECT_EQ(Column(table, ThreeStarTable::kBaseSet), c.members) << c.name;
        EXPECT_EQ(table.ConditionCount(), 0) << c.name;
    }
}

TEST(ThreeStarBaseSet, EmptyBaseSetKeepsNothing) {
    ThreeStarInput input;
    input.base_set = "12 34";
    EXPECT_EQ(static_cast<int>(RunShrink(input)->survivors.size()), 0);
    input.base_set_group = true;
    EXPECT_EQ(static_cast<int>(RunShrink(input)->survivors.size()), 0);
}

TEST(ThreeStarMustKeep, Cases) {
    ThreeStarInput input;
    input.must_keep = "007 12 999 007";
    ThreeStarTable table;
    ApplyMustKeep(input, table);
    EXPECT_EQ(table.at(ThreeStarTable::kNotesRow, ThreeStarTable::kList), 1);
    EXPECT_EQ(Column(table, ThreeStarTable::kList), (Rows{7, 999}));

    input.must_keep = "12 3456";
    ThreeStarTable none;
    ApplyMustKeep(input, none);
    EXPECT_EQ(none.at(ThreeStarTable::kNotesRow, ThreeStarTable::kList), 0);
    EXPECT_EQ(Column(none, ThreeStarTable::kList), Rows{});
}

} // namespace
