#include "common/base_number_table.hpp"

#include <gtest/gtest.h>

#include <array>
#include <string>
#include <vector>

using namespace sorvanta;

namespace {

using Entry = std::array<int, 3>;

struct TableCase {
    const char* name;
    std::string text;
    int width;
    std::vector<Entry> entries; // every digit entry that must be set, no other
};

class ReadBaseNumbers : public testing::TestWithParam<TableCase> {};

TEST_P(ReadBaseNumbers, SetsExactlyTheNumbersHeld) {
    const TableCase& c = GetParam();
    const BaseNumberTable table = ReadBaseNumberTable(c.text, c.width);
    EXPECT_EQ(table.InUse(), !c.entries.empty());
    for (int a = 0; a < BaseNumberTable::kSide; ++a)
        for (int b = 0; b < BaseNumberTable::kSide; ++b)
            for (int x = 0; x < BaseNumberTable::kSide; ++x) {
                if (a == 10 && b == 10 && x == 10)
                    continue;
                bool expected = false;
                for (const Entry& e : c.entries)
                    expected = expected || (e == Entry{a, b, x});
                EXPECT_EQ(table.at(a, b, x) != 0, expected) << a << "," << b << "," << x;
            }
}

INSTANTIATE_TEST_SUITE_P(
    Cases, ReadBaseNumbers,
    testing::Values(
        TableCase{"MixedSeparatorsTwoDigits", "12,345 67;8", 2, {{1, 2, 0}, {6, 7, 0}}},
        TableCase{"MixedSeparatorsThreeDigits", "12,345 67;8", 3, {{3, 4, 5}}},
        TableCase{"EmptyBoxIsNotInUse", "", 2, {}},
        TableCase{"HintTextIsNotInUse", "双击清空", 3, {}},
        TableCase{"OnlyWrongLengthsIsNotInUse", "1 123 12345", 2, {}},
        TableCase{"TwoDigitLeadingZero", "05", 2, {{0, 5, 0}}},
        TableCase{"ThreeDigitSameEntryAsTwoDigit", "050", 3, {{0, 5, 0}}},
        TableCase{"FullWidthDigitsSeparate", "１２ 34", 2, {{3, 4, 0}}},
        TableCase{"ChineseBetweenDigits", "12中34", 2, {{1, 2, 0}, {3, 4, 0}}},
        TableCase{"LineBreaksOfEitherKind", "12\r\n34\n56", 2, {{1, 2, 0}, {3, 4, 0}, {5, 6, 0}}},
        TableCase{"RepeatsAreOneEntry", "99 99 99", 2, {{9, 9, 0}}},
        TableCase{"OtherWidthReadsAsTwo", "12 345", 4, {{1, 2, 0}}}),
    [](const testing::TestParamInfo<TableCase>& info) { return std::string(info.param.name); });

TEST(BaseNumberWidth, CoveredPositionsOfThePattern) {
    const struct {
        const char* pattern;
        int width;
    } cases[] = {
        {"千百**", 2},  {"千*十*", 2},   {"**十个", 2}, {"千百十*", 3},
        {"*百十个", 3}, {"千百十个", 2}, // four positions: the paste rule falls back to two
        {"****", 2},    {"", 2},
    };
    for (const auto& c : cases)
        EXPECT_EQ(BaseNumberWidth(c.pattern), c.width) << c.pattern;
}

TEST(PasteBaseNumbers, TakesPiecesOfTheBoxWidthInOrder) {
    const struct {
        const char* name;
        std::string clipboard;
        int width;
        std::string text;
        int count;
    } cases[] = {
        {"TwoDigitBox", "12,345 67;8", 2, "12 67", 2},
        {"ThreeDigitBox", "12,345 67;8", 3, "345", 1},
        {"EmptyClipboard", "", 2, "", 0},
        {"RepeatsStay", "34 12\n34", 2, "34 12 34", 3},
        {"NothingOfTheWidth", "1 12345", 3, "", 0},
    };
    for (const auto& c : cases) {
        const BaseNumberPaste paste = PasteBaseNumbers(c.clipboard, c.width);
        EXPECT_FALSE(paste.overflow) << c.name;
        EXPECT_EQ(paste.text, c.text) << c.name;
        EXPECT_EQ(paste.count, c.count) << c.name;
    }
}

std::string RepeatedPiece(const std::string& piece, int times) {
    std::string text;
    text.reserve(static_cast<std::size_t>(times) * (piece.size() + 1));
    for (int i = 0; i < times; ++i)
        text += piece + ' ';
    return text;
}

TEST(PasteBaseNumbers, HundredThousandIsTheLimit) {
    const BaseNumberPaste full = PasteBaseNumbers(RepeatedPiece("12", 100000) + "123", 2);
    EXPECT_FALSE(full.overflow);
    EXPECT_EQ(full.count, 100000);

    const BaseNumberPaste over = PasteBaseNumbers(RepeatedPiece("12", 100001), 2);
    EXPECT_TRUE(over.overflow);
    EXPECT_EQ(over.count, 0);
    EXPECT_TRUE(over.text.empty());
}

} // namespace
