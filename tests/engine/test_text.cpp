#include "common/allowed_counts.hpp"
#include "common/text.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace sorvanta;

namespace {

struct FilterCase {
    const char* name;
    std::string source;
    std::string allowed;
    std::string expected;
};

class OnlyStr : public testing::TestWithParam<FilterCase> {};

TEST_P(OnlyStr, FiltersTrimsAndCollapses) {
    const FilterCase& c = GetParam();
    EXPECT_EQ(only_str(c.source, c.allowed), c.expected);
    if (c.allowed == "0123456789") {
        EXPECT_EQ(DigitsOnly(c.source), c.expected);
    }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, OnlyStr,
    testing::Values(FilterCase{"BlanksCommasAroundDigits", "  8 ,, 9  ", "0123456789", "8 9"},
                    FilterCase{"Empty", "", "0123456789", ""},
                    FilterCase{"MixedSeparators", "12,345；6 7", "0123456789", "12 345 6 7"},
                    FilterCase{"LettersOnly", "abc", "0123456789", ""},
                    FilterCase{"FullWidthDigitsAreSeparators", "1２3", "0123456789", "1 3"},
                    FilterCase{"ChineseCharacterIsOneCharacter", "中", "中", "中"},
                    FilterCase{"ChineseAllowedAmongOthers", "a中b文c", "abc", "a b c"},
                    FilterCase{"LineBreaksAreSeparators", "1234\r\n5678\n", "0123456789",
                               "1234 5678"},
                    FilterCase{"StarKeptWhenAllowed", "12*3 4", "0123456789*", "12*3 4"},
                    FilterCase{"BrokenUtf8IsASeparator",
                               std::string("1\xff"
                                           "2"),
                               "0123456789", "1 2"}),
    [](const testing::TestParamInfo<FilterCase>& info) { return std::string(info.param.name); });

struct NumberCase {
    const char* text;
    std::int32_t expected;
};

TEST(LeadingNumber, ReadsAsTheBoxesDo) {
    const NumberCase cases[] = {
        {"12", 12},
        {"  7", 7},
        {"-3", -3},
        {"+4", 4},
        {"2.5", 2},
        {"3.5", 4},
        {".5", 0},
        {"1.5", 2},
        {"2.51", 3},
        {"3.", 3},
        {"- 3", 0},
        {"1e2", 1},
        {"2a", 2},
        {"a2", 0},
        {"", 0},
        {"  ", 0},
        {"-2.5", -2},
        {"-2.6", -3},
        {"0.49", 0},
        {"\t5", 0},
        {"99999999999999", 2147483647},
        {"-99999999999999", -2147483647 - 1},
    };
    for (const NumberCase& c : cases)
        EXPECT_EQ(ReadLeadingNumber(c.text), c.expected) << "text: '" << c.text << "'";
}

TEST(AllowedCountsTable, FromTheTwoBoxes) {
    const AllowedCounts zero = AllowedCounts::FromTexts("0", "0");
    EXPECT_TRUE(zero.Allows(0));
    EXPECT_FALSE(zero.Allows(1));

    const AllowedCounts reversed = AllowedCounts::FromTexts("3", "1");
    for (int i = 0; i <= 100; ++i)
        EXPECT_FALSE(reversed.Allows(i)) << i;

    const AllowedCounts wide = AllowedCounts::FromTexts("98", "150");
    EXPECT_TRUE(wide.Allows(100));
    EXPECT_FALSE(wide.Allows(101));
    EXPECT_FALSE(wide.Allows(97));

    const AllowedCounts negative = AllowedCounts::FromTexts("-3", "2");
    EXPECT_TRUE(negative.Allows(0));
    EXPECT_TRUE(negative.Allows(2));
    EXPECT_FALSE(negative.Allows(3));
}

TEST(EscapeText, PercentAndUnicodeForms) {
    EXPECT_EQ(Escape(u"a b+中"), "a%20b%2B%u4E2D");
    EXPECT_EQ(Escape(u"-_.!~*'()09azAZ"), "-_.!~*'()09azAZ");
    EXPECT_EQ(Escape(u"\u00fe\u00ff"), "%FE%u00FF");
    EXPECT_EQ(Escape(u""), "");
}

} // namespace
