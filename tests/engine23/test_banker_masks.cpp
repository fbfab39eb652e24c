// The banker rows as both the two- and the three-star banker groups read
// them: only rows that choose bankers, in panel order, their counts limited
// to the count buttons the panel has, and a row that ticks none of those
// allowing the group's default counts.

#include "engine23/star_types.hpp"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <sstream>
#include <string>
#include <vector>

namespace {

using namespace sorvanta;
using star::BankerRow;
using star::DigitSet;

DigitSet Digits(const std::string& digits) {
    DigitSet set;
    for (char c : digits)
        set.set(static_cast<std::size_t>(c - '0'));
    return set;
}

// Banker rows written "digits/counts", blank-separated; "-" chooses none.
std::vector<BankerRow> Rows(const std::string& text) {
    std::vector<BankerRow> rows;
    std::istringstream in(text);
    for (std::string row; in >> row;) {
        const std::size_t slash = row.find('/');
        const auto part = [](std::string digits) {
            return Digits(digits == "-" ? "" : digits);
        };
        rows.push_back({part(row.substr(0, slash)), part(row.substr(slash + 1))});
    }
    return rows;
}

// Each panel's count buttons and what a row ticking none of them allows:
// two-star rows count 0 to 2 hits and allow 1 or 2, three-star rows 0 to 3
// and allow 1 to 3.
struct Panel {
    std::uint16_t countButtons;
    std::uint16_t whenNone;
};
constexpr Panel kTwoStar = {0b111, 0b110}, kThreeStar = {0b1111, 0b1110};

struct MasksCase {
    const char* name;
    const char* rows; // four rows, as the panel has them
    Panel panel;
    const char* expected; // the masks' rows in the same writing
};

const MasksCase kCases[] = {
    {"no row chooses a banker", "-/- -/12 -/0 -/-", kThreeStar, ""},
    {"rows without bankers are skipped, the rest keep their order", "-/1 73/2 -/3 0/0", kThreeStar,
     "73/2 0/0"},
    {"every row chooses", "1/0 2/1 3/2 9/3", kThreeStar, "1/0 2/1 3/2 9/3"},
    {"no count ticked allows the default", "5/- -/- 68/13 -/-", kThreeStar, "5/123 68/13"},
    // A count the panel has no button for is no tick.
    {"two-star counts beyond its buttons are masked", "4/023 -/- 19/0123 -/-", kTwoStar,
     "4/02 19/012"},
    {"only counts beyond the buttons allow the default", "2/3 7/39 -/- -/-", kTwoStar, "2/12 7/12"},
    {"three-star rows count 3 hits", "0123456789/3 -/- -/- -/-", kThreeStar, "0123456789/3"},
};

TEST(BankerMasks, RowsAsTheGroupsReadThem) {
    for (const MasksCase& c : kCases) {
        SCOPED_TRACE(c.name);
        std::array<BankerRow, 4> rows;
        const std::vector<BankerRow> given = Rows(c.rows);
        ASSERT_EQ(given.size(), rows.size());
        std::copy(given.begin(), given.end(), rows.begin());
        const star::BankerMasks<4> masks(rows, c.panel.countButtons, c.panel.whenNone);
        const std::vector<BankerRow> expected = Rows(c.expected);
        ASSERT_EQ(masks.size, expected.size());
        for (std::size_t r = 0; r < masks.size; ++r) {
            EXPECT_EQ(masks.rows[r].bankers, star::Mask(expected[r].digits)) << "row " << r;
            EXPECT_EQ(masks.rows[r].counts, star::Mask(expected[r].counts)) << "row " << r;
        }
    }
}

} // namespace
