#include "engine4/group_conversion.hpp"

#include "common/number_list.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;

namespace {

std::string AllCandidatesText() {
    std::string text;
    for (int n = 0; n < 10000; ++n) {
        if (n > 0)
            text.push_back(' ');
        AppendFixedWidth(text, n, 4);
    }
    return text;
}

std::vector<int> RowsOf(const std::string& text) {
    std::vector<int> rows;
    for (std::size_t at = 0; at + 4 <= text.size(); at += 5)
        rows.push_back(std::stoi(text.substr(at, 4)));
    return rows;
}

struct GroupCase {
    const char* name;
    std::string survivors;
    std::string groups;
    int count;
};

class ConvertToGroupCases : public testing::TestWithParam<GroupCase> {};

TEST_P(ConvertToGroupCases, DistinctSortedGroupsAscending) {
    const GroupCase& c = GetParam();
    const GroupList fromText = ConvertToGroup(c.survivors);
    EXPECT_EQ(fromText.text, c.groups);
    EXPECT_EQ(fromText.count, c.count);
    EXPECT_EQ(static_cast<int>(fromText.groups.size()), c.count);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ConvertToGroupCases,
    testing::Values(GroupCase{"MirrorImagesAreOneGroup", "1234 4321", "1234", 1},
                    GroupCase{"FourEqualDigits", "0000", "0000", 1},
                    GroupCase{"NoSurvivor", "", "", 0},
                    GroupCase{"EveryOrderOfOneGroup", "2130 0312 1023", "0123", 1},
                    GroupCase{"ListedBySortedForm", "9870 5555 0789 1110", "0111 0789 5555", 3},
                    GroupCase{"OtherLengthsSkipped", "123 12345 4312", "1234", 1},
                    GroupCase{"NonDigitPieceSkipped", "12a4 0001", "0001", 1}),
    [](const testing::TestParamInfo<GroupCase>& info) { return std::string(info.param.name); });

TEST(ConvertToGroupAll, EveryCandidateGivesTheSevenHundredFifteenGroups) {
    const std::string all = AllCandidatesText();
    const GroupList groups = ConvertToGroup(all);
    EXPECT_EQ(groups.count, GroupList::kAllGroups);
    ASSERT_EQ(groups.groups.size(), 715u);
    EXPECT_EQ(groups.text.substr(0, 14), "0000 0001 0002");
    EXPECT_EQ(groups.text.substr(groups.text.size() - 9), "8999 9999");
    for (std::size_t i = 0; i < groups.groups.size(); ++i) {
        const std::string s = FixedWidth(groups.groups[i], 4);
        EXPECT_TRUE(s[0] <= s[1] && s[1] <= s[2] && s[2] <= s[3]) << s;
        if (i > 0) {
            EXPECT_LT(groups.groups[i - 1], groups.groups[i]);
        }
    }
    // The rows form agrees with the text form.
    const GroupList fromRows = ConvertToGroup(RowsOf(all));
    EXPECT_EQ(fromRows.text, groups.text);
    EXPECT_EQ(fromRows.count, groups.count);
}

TEST(ConvertToGroupRows, SameAsText) {
    const std::vector<int> rows = {2130, 312, 1023, 9999, 9099};
    const GroupList list = ConvertToGroup(rows);
    EXPECT_EQ(list.text, "0123 0999 9999");
    EXPECT_EQ(list.groups, (std::vector<int>{123, 999, 9999}));
}

TEST(GroupOf, DigitsSortedAscending) {
    EXPECT_EQ(GroupOf(0, 4), 0);
    EXPECT_EQ(GroupOf(9012, 4), 129);
    EXPECT_EQ(GroupOf(1000, 4), 1);
    EXPECT_EQ(GroupOf(9876, 4), 6789);
}

} // namespace
