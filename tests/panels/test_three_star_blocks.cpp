// The three-star panel's block table against the engine's toggle table, and
// its command buttons.
#include "panels/three_star/three_star_command_ids.hpp"
#include "reset/three_star_blocks.hpp"

#include <gtest/gtest.h>

#include <set>

using namespace sorvanta;
using namespace sorvanta::ui;

namespace {

TEST(ThreeStarCaptions, ButtonBlocksTileTheirArrays) {
    // Every element of C_3x_sha 0..168 and C_3x_chu 0..131 belongs to
    // exactly one block.
    std::set<int> exclude, keep;
    for (const ButtonBlock& block : kThreeStarBlocks) {
        std::set<int>& used = block.array == kExcludeButtons ? exclude : keep;
        for (int i = 0; i < SizeOf(block); ++i)
            EXPECT_TRUE(used.insert(block.first + i).second) << block.field << " " << i;
    }
    EXPECT_EQ(exclude.size(), 169u);
    EXPECT_EQ(*exclude.rbegin(), 168);
    EXPECT_EQ(keep.size(), 132u);
    EXPECT_EQ(*keep.rbegin(), 131);
}

TEST(ThreeStarBlocks, EveryToggleHasOneBlockAndOneMember) {
    std::set<std::string_view> placed;
    for (const ButtonBlock& block : kThreeStarBlocks) {
        EXPECT_TRUE(placed.insert(block.field).second) << block.field;
        // Its 清 is a three-star code: 23..36 clear the two-star panel.
        EXPECT_TRUE(block.clear >= 0 && (block.clear <= 22 || block.clear >= 37)) << block.field;
    }
    for (const three::ToggleBlock& toggle : three::kThreeStarToggles) {
        EXPECT_EQ(placed.count(toggle.field), 1u) << toggle.field;
        const int members =
            (toggle.digits ? 1 : 0) + (toggle.sums ? 1 : 0) + (toggle.chosen ? 1 : 0);
        EXPECT_EQ(members, 1) << toggle.field;
    }
    EXPECT_EQ(placed.size(), three::kThreeStarToggles.size());
}

TEST(ThreeStarIntersection, CommandIndexes) {
    EXPECT_EQ(IntersectionOperationOf(ThreeStarCommand::Intersection), SetOperation::Intersection);
    EXPECT_EQ(IntersectionOperationOf(ThreeStarCommand::Union), SetOperation::Union);
    EXPECT_EQ(IntersectionOperationOf(ThreeStarCommand::AWithoutB), SetOperation::AWithoutB);
    EXPECT_EQ(IntersectionOperationOf(ThreeStarCommand::BWithoutA), SetOperation::BWithoutA);
    EXPECT_EQ(IntersectionOperationOf(ThreeStarCommand::Invert), std::nullopt);
    EXPECT_EQ(static_cast<int>(ThreeStarCommand::Intersection), 7);
    EXPECT_EQ(static_cast<int>(ThreeStarCommand::DeleteMatchRules), 13);
}

} // namespace
