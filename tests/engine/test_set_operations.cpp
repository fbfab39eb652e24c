#include "engine4/set_operations.hpp"

#include <gtest/gtest.h>

#include <string>

using namespace sorvanta::four;

namespace {

struct SetCase {
    const char* name;
    std::string a;
    std::string b;
    SetOperation operation;
    std::string result;
    int count;
};

class CombineSetsCases : public testing::TestWithParam<SetCase> {};

TEST_P(CombineSetsCases, ResultAscendingWithoutRepeats) {
    const SetCase& c = GetParam();
    const CombinedSets out = CombineSets(c.a, c.b, c.operation);
    EXPECT_EQ(out.result, c.result);
    EXPECT_EQ(out.count, c.count);
}

const std::string kA = "1234 5678 1234";
const std::string kB = "5678 9999";

INSTANTIATE_TEST_SUITE_P(
    Cases, CombineSetsCases,
    testing::Values(
        SetCase{"Intersection", kA, kB, SetOperation::Intersection, "5678", 1},
        SetCase{"Union", kA, kB, SetOperation::Union, "1234 5678 9999", 3},
        SetCase{"AWithoutB", kA, kB, SetOperation::AWithoutB, "1234", 1},
        SetCase{"BWithoutA", kA, kB, SetOperation::BWithoutA, "9999", 1},
        SetCase{"OtherSeparators", "5678,1234;\r\n0001", "", SetOperation::Union, "0001 1234 5678",
                3},
        SetCase{"FiveDigitPieceIgnored", "12345 1234", "12345", SetOperation::Union, "1234", 1},
        SetCase{"FullWidthDigitsSeparate", "１２３４ 0012", "0012", SetOperation::Intersection,
                "0012", 1},
        SetCase{"BothEmpty", "", "", SetOperation::Union, "", 0},
        SetCase{"HintTextIsEmpty", "双击清空", "1234", SetOperation::Intersection, "", 0},
        SetCase{"EmptyAIntersection", "", kB, SetOperation::Intersection, "", 0},
        SetCase{"EmptyAWithoutB", "", kB, SetOperation::AWithoutB, "", 0},
        SetCase{"EmptyAUnionGivesB", "", "9999 5678 9999", SetOperation::Union, "5678 9999", 2},
        SetCase{"EmptyABWithoutA", "", kB, SetOperation::BWithoutA, "5678 9999", 2},
        SetCase{"LeadingZerosKept", "0000 0009", "0009", SetOperation::AWithoutB, "0000", 1}),
    [](const testing::TestParamInfo<SetCase>& info) { return std::string(info.param.name); });

TEST(CombineSetsInputs, BoxesNormalisedKeepingRepeats) {
    const CombinedSets out =
        CombineSets("  1234,,5678\r\n1234  ", "x9999  5678;", SetOperation::Intersection);
    EXPECT_EQ(out.a, "1234 5678 1234");
    EXPECT_EQ(out.b, "9999 5678");
    EXPECT_EQ(out.result, "5678");
}

TEST(CombineSetsInputs, WholeRangeFitsTheResult) {
    std::string all;
    for (int n = 0; n < 10000; ++n) {
        std::string s = std::to_string(n);
        all += std::string(4 - s.size(), '0') + s + "\n";
    }
    const CombinedSets out = CombineSets(all, "", SetOperation::Union);
    EXPECT_EQ(out.count, 10000);
    EXPECT_EQ(out.result.size(), 10000u * 5 - 1);
    EXPECT_EQ(out.result.substr(0, 9), "0000 0001");
    EXPECT_EQ(out.result.substr(out.result.size() - 4), "9999");
}

} // namespace
