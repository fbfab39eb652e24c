#include "engine4/special_shapes.hpp"

#include "four_star_groups_support.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

using namespace sorvanta;
using namespace sorvanta::four;
using namespace sorvanta::four::testing_support;

namespace {

constexpr int kColumn = 6;

TEST(HasShape, ExamplesOfEachShape) {
    struct Case {
        SpecialShape shape;
        std::vector<int> with;
        std::vector<int> without;
    };
    const Case cases[] = {
        {SpecialShape::Rising, {1234, 1122, 1113, 9}, {1111, 1212, 4321}},
        {SpecialShape::Falling, {4321, 9000, 9911}, {0, 1234, 9119}},
        {SpecialShape::Convex, {1230, 1120, 1200, 1990}, {1234, 2105, 1111}},
        {SpecialShape::Concave, {2105, 2215, 2155, 9009}, {1230, 4321, 5555}},
        {SpecialShape::NShape, {1205, 4859}, {2150, 1234}},
        {SpecialShape::ReverseN, {2150, 8495}, {1205, 4321}},
    };
    for (const Case& c : cases) {
        for (int n : c.with)
            EXPECT_TRUE(HasShape(c.shape, DigitsOf(n))) << static_cast<int>(c.shape) << " " << n;
        for (int n : c.without)
            EXPECT_FALSE(HasShape(c.shape, DigitsOf(n))) << static_cast<int>(c.shape) << " " << n;
    }
}

TEST(SpecialShapes, ExcludedShapesMarkOnce) {
    struct Case {
        const char* name;
        CaptionSet excluded;
        int marked; // -1: only the samples are checked
        std::vector<int> markedSamples;
        std::vector<int> clearSamples;
    };
    // Non-decreasing four-digit sequences, C(13, 4), less the ten constant ones.
    const int rising = 715 - 10;
    const Case cases[] = {
        {"NothingExcluded", {}, 0, {}, {}},
        {"Rising", {"上山"}, rising, {1234, 1122, 1113, 9}, {1111, 1212}},
        {"Falling", {"下山"}, rising, {9000}, {0}},
        {"RisingAndFallingAreDisjoint", {"上山", "下山"}, 2 * rising, {1234, 4321}, {1111}},
        {"NShapeOnly", {"N形"}, -1, {1205}, {2150}},
        {"ReverseNOnly", {"反N形"}, -1, {2150}, {1205}},
        {"SeveralShapes", {"凸形", "凹形", "N形"}, -1, {1205, 1230, 2105}, {1234, 2150}},
    };
    for (const Case& c : cases) {
        FourStarInput input;
        input.special_shapes = c.excluded;
        const auto state = RunGroup(input, ApplySpecialShapes);
        ExpectColumn(*state, kColumn, c.marked, c.markedSamples, c.clearSamples, c.name);
    }
}

} // namespace
