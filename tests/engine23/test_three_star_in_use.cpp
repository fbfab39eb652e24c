// When the typed three-star boxes switch their groups on: the rules each
// group's InUse reads off the text without building what Apply builds.
#include "engine23/star_text.hpp"
#include "engine23/three_star_groups.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace sorvanta;
using namespace sorvanta::three;

namespace {

using Set = void (*)(ThreeStarInput&, const std::string&);

TEST(ThreeStarInUse, TypedBoxes) {
    const struct {
        const char* name;
        ThreeStarInUseFn inUse;
        Set set;
        const char* text;
        bool on;
    } rows[] = {
        {"kill direct: three cleaned characters", &KillDirectInUse,
         [](ThreeStarInput& in, const std::string& t) { in.kill_direct = t; }, "1 2", true},
        {"kill direct: two are too few", &KillDirectInUse,
         [](ThreeStarInput& in, const std::string& t) { in.kill_direct = t; }, "12", false},
        {"kill direct: the hint is no input", &KillDirectInUse,
         [](ThreeStarInput& in, const std::string& t) { in.kill_direct = t; }, " 双击清空 ", false},
        {"kill group: a long piece counts", &KillGroupInUse,
         [](ThreeStarInput& in, const std::string& t) { in.kill_group = t; }, "1234", true},
        {"kill pairs: a piece of two", &KillPairsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.kill_pairs = t; }, "123,45", true},
        {"kill pairs: only other widths", &KillPairsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.kill_pairs = t; }, "1 234 5", false},
        {"require pairs: the piece at the end", &RequirePairsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.require_pairs = t; }, "x 123 99", true},
        {"position kill pairs: the third box", &PositionKillPairsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.position_kill_pairs[2] = t; }, "07",
         true},
        {"pair sums: one digit is a value", &PairSumsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.pair_sums.keep_diff[1] = t; }, "123 4",
         true},
        {"pair sums: three digits are none", &PairSumsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.pair_sums.exclude_sum[0] = t; }, "123",
         false},
        {"pair sums: the hint is no input", &PairSumsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.pair_sums.keep_sum[2] = t; },
         "用空格隔开", false},
        {"broken groups: a rule needs groups before =", &BrokenGroupsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.broken_groups = t; }, "a=1\n=2", false},
        {"broken groups: a later line", &BrokenGroupsInUse,
         [](ThreeStarInput& in, const std::string& t) { in.broken_groups = t; }, "=1\n12-3=1",
         true},
        {"largest: any digit", &LargestSmallestInUse,
         [](ThreeStarInput& in, const std::string& t) { in.largest_digits = t; }, "大9", true},
        {"smallest: no digit", &LargestSmallestInUse,
         [](ThreeStarInput& in, const std::string& t) { in.smallest_digits = t; }, "大小", false},
    };
    for (const auto& row : rows) {
        ThreeStarInput input;
        row.set(input, row.text);
        EXPECT_EQ(row.inUse(input), row.on) << row.name;
    }
}

// The junk-compound box is on once what Apply keeps of it (digits, "*" and
// line breaks, each "\n" gaining its "\r") reaches three characters; InUse
// counts that without building it.
TEST(ThreeStarInUse, JunkCompoundsCountWhatApplyKeeps) {
    const char* texts[] = {"",         "1*",   "1*2",   "\n",    "\n\n", "\r\n",
                           "1\n",      "\r1",  "a b c", "**",    "* *",  "1 2 3",
                           "双击清空", "12\r", "\n1",   "x*y*z", "\r\r", " 9 \n"};
    for (const char* text : texts) {
        ThreeStarInput input;
        input.junk_compounds = text;
        const bool kept =
            star::KeepOnly(star::WithCrLf(text == std::string("双击清空") ? "" : text),
                           "0123456789*\r\n")
                .size() >= 3;
        EXPECT_EQ(JunkCompoundsInUse(input), kept) << text;
    }
}

} // namespace
