// The fail table as the three-star pipeline uses it, and the text rules the
// three-star boxes share (star_text.hpp).

#include "engine23/candidate_table.hpp"
#include "engine23/star_text.hpp"

#include "common/text.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::star;

namespace {

TEST(ThreeStarTable, DigitsHundredsFirst) {
    const DigitTable<3> digits;
    for (int n : {0, 7, 45, 305, 999})
        EXPECT_EQ(100 * digits.Digit(n, 0) + 10 * digits.Digit(n, 1) + digits.Digit(n, 2), n);
}

TEST(ThreeStarTable, ResetClearsEveryCellWritten) {
    FailTable<3> table;
    EXPECT_EQ(table.TakeColumn(), 1);
    EXPECT_EQ(table.TakeColumn(), 2);
    table.at(5, 1) = 1;
    table.at(FailTable<3>::kNotesRow, FailTable<3>::kBaseSet) = 1;
    table.at(999, 57) = 3; // any column, not only the taken ones
    table.Column(FailTable<3>::kList)[12] = 1;
    EXPECT_EQ(table.at(12, FailTable<3>::kList), 1);
    EXPECT_EQ(table.Fails(5), 1);
    table.Reset();
    EXPECT_EQ(table.ConditionCount(), 0);
    for (int row = 0; row < FailTable<3>::kRows; ++row)
        for (int column = 0; column < FailTable<3>::kColumns; ++column)
            ASSERT_EQ(table.at(row, column), 0) << row << " " << column;
    EXPECT_EQ(table.TakeColumn(), 1);
}

TEST(ThreeStarTable, FailsCountsOnlyTakenColumnsHoldingOne) {
    FailTable<3> table;
    const int a = table.TakeColumn();
    const int b = table.TakeColumn();
    table.at(3, a) = 1;
    table.at(3, b) = 2;  // not a mark
    table.at(3, 50) = 1; // not taken
    EXPECT_EQ(table.Fails(3), 1);
}

TEST(StarText, WithoutHint) {
    const auto hints = {kDoubleClickHint, kBaseSetHint};
    EXPECT_EQ(WithoutHint("双击清空", hints), "");
    EXPECT_EQ(WithoutHint("\r\n双击清空\n ", hints), "");
    EXPECT_EQ(WithoutHint("大底号码，双击清空", hints), "");
    EXPECT_EQ(WithoutHint("123 双击清空", hints), "123 双击清空");
    EXPECT_EQ(WithoutHint("用空格隔开", hints), "用空格隔开");
    EXPECT_EQ(WithoutHint("", hints), "");
}

TEST(StarText, LineBreaksInTheWindowsForm) {
    EXPECT_EQ(WithCrLf("1\n2\r\n3\r4\n"), "1\r\n2\r\n3\r4\r\n");
    EXPECT_EQ(SplitAtCrLf("a\r\nb\r\n"), (std::vector<std::string_view>{"a", "b", ""}));
    EXPECT_EQ(SplitAtCrLf(""), (std::vector<std::string_view>{""}));
    EXPECT_EQ(SplitAtCrLf("a\rb"), (std::vector<std::string_view>{"a\rb"}));
}

TEST(StarText, KeepOnlyIsOnlyStrWithoutBlanks) {
    for (const char* text : {"1 2*3\n4", "  *1２3，４*\r\n", "质12*", "", "abc", "1\t2 *\n\n3"}) {
        std::string expected;
        for (char c : only_str(text, "0123456789*\r\n"))
            if (c != ' ')
                expected.push_back(c);
        EXPECT_EQ(KeepOnly(text, "0123456789*\r\n"), expected) << text;
    }
}

TEST(StarText, DigitRunsAreTheDigitFiltersPieces) {
    for (const char* text :
         {"123 45 6789", "1", "", "a", "12,34，5", "１２３", "  7  ", "1a2b3", "12\n345\r\n6"}) {
        const std::string cleaned = DigitsOnly(text);
        std::vector<std::string> expected;
        ForEachPiece(cleaned, [&](std::string_view piece) { expected.emplace_back(piece); });
        std::vector<std::string> runs;
        ForEachDigitRun(text, [&](std::string_view run) { runs.emplace_back(run); });
        EXPECT_EQ(runs, expected) << text;
        for (std::size_t length = 0; length <= cleaned.size() + 1; ++length)
            EXPECT_EQ(DigitsOnlyLengthAtLeast(text, length), cleaned.size() >= length)
                << text << " " << length;
    }
}

} // namespace
