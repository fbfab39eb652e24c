// Groups 1 to 3: kill direct numbers, kill group numbers, kill compound lines.

#include "three_star_test_support.hpp"

#include <gtest/gtest.h>

using namespace sorvanta;
using namespace sorvanta::three;
using namespace sorvanta::three::testing_support;

namespace {

using Rows = std::vector<int>;

struct ListCase {
    const char* name;
    const char* text;
    std::optional<Rows> marked;
};

TEST(ThreeStarKillDirect, Cases) {
    const ListCase cases[] = {
        {"only 3-digit pieces", "123 45 6789", Rows{123}},
        {"separators of every kind", "007,008，9x010\n011", Rows{7, 8, 10, 11}},
        {"repeats once", "555 555", Rows{555}},
        {"three characters, no valid piece: column taken", "12 3", Rows{}},
        {"two characters: inactive", "12", std::nullopt},
        {"empty: inactive", "", std::nullopt},
        {"hint: inactive", "双击清空", std::nullopt},
        {"full-width digits are separators", "１２３", std::nullopt},
    };
    for (const ListCase& c : cases) {
        ThreeStarInput input;
        input.kill_direct = c.text;
        EXPECT_EQ(Marked(&ApplyKillDirect, input), c.marked) << c.name;
    }
}

TEST(ThreeStarKillGroup, Cases) {
    const ListCase cases[] = {
        {"repeated digit: three orderings", "112", Rows{112, 121, 211}},
        {"six orderings", "123", Rows{123, 132, 213, 231, 312, 321}},
        {"leopard: itself", "777", Rows{777}},
        {"no valid piece: column taken", "1 23", Rows{}},
        {"too short: inactive", "12", std::nullopt},
    };
    for (const ListCase& c : cases) {
        ThreeStarInput input;
        input.kill_group = c.text;
        EXPECT_EQ(Marked(&ApplyKillGroup, input), c.marked) << c.name;
    }
}

struct CompoundCase {
    const char* name;
    const char* text;
    RangeText tolerance;
    std::optional<Rows> marked;
};

TEST(ThreeStarJunkCompounds, Cases) {
    const Rows everyone = Where([](int, int, int) { return true; });
    const CompoundCase cases[] = {
        {"one line covers its compound", "12*3*4", {}, Rows{134, 234}},
        {"two parts match nothing", "12*34", {}, Rows{}},
        {"four parts match nothing", "1*2*3*4", {}, Rows{}},
        {"lines at \\n", "1*2*3\n4*5*6", {}, Rows{123, 456}},
        {"lines at \\r\\n", "1*2*3\r\n4*5*6", {}, Rows{123, 456}},
        {"blanks and junk dropped", " 1 2 * 3a * 4 ", {}, Rows{134, 234}},
        {"repeated digits in a part", "11*2*33", {}, Rows{123}},
        {"empty part covers nothing", "1**3", {}, Rows{}},
        {"hits counted: one line allowed", "1*2*3\n1*2*3", Range("1", "1"), everyone},
        {"hits counted: two lines allowed", "1*2*3\n1*2*3", Range("2", "2"), AllBut(Rows{123})},
        {"short text: inactive", "1*", {}, std::nullopt},
        {"hint: inactive", "\n双击清空\n", {}, std::nullopt},
        // Three characters of line breaks and stars: active, no valid line,
        // so a tolerance that needs a hit fails everyone.
        {"active without a line", "**\n", Range("1", "2"), everyone},
        // A line break weighs two characters, in the Windows form ("\r\n").
        {"digit and line break is three characters", "1\n", Range("1", "1"), everyone},
    };
    for (const CompoundCase& c : cases) {
        ThreeStarInput input;
        input.junk_compounds = c.text;
        input.junk_compounds_tolerance = c.tolerance;
        EXPECT_EQ(Marked(&ApplyJunkCompounds, input), c.marked) << c.name;
    }
}

TEST(ThreeStarJunkCompounds, ToleranceAboveOneHundredNeverAllowed) {
    // 101 identical lines: 123 has 101 hits, which no range allows.
    std::string text;
    for (int i = 0; i < 101; ++i)
        text += "1*2*3\n";
    ThreeStarInput input;
    input.junk_compounds = text;
    input.junk_compounds_tolerance = Range("0", "500");
    EXPECT_EQ(Marked(&ApplyJunkCompounds, input), Rows{123});
}

} // namespace
