#include <gtest/gtest.h>

#include "core/optimiser/CuttingStockLp.h"

namespace {

// Four pieces, two to a bar of either line: one bar of the cheap line is on
// hand, the dear line is bought as needed.
TEST(CuttingStockLp, LimitedLinesAreUsedUpFirstAndPriced) {
    CuttingStockLp lp({4}, {{10.0, 1}, {15.0, std::nullopt}});
    ASSERT_TRUE(lp.Add({{0, 2}}, 0));
    ASSERT_TRUE(lp.Add({{0, 2}}, 1));
    EXPECT_FALSE(lp.Add({{0, 2}}, 1));
    ASSERT_TRUE(lp.Solve(10.0));
    EXPECT_NEAR(lp.Bars(), 25.0, 1e-9);
    EXPECT_FALSE(lp.Uncovered());
    // One more cheap bar would save the difference.
    EXPECT_NEAR(lp.LineWorths()[0], 5.0, 1e-9);
    EXPECT_NEAR(lp.LineWorths()[1], 0.0, 1e-9);
    EXPECT_NEAR(lp.PieceWorths()[0], 7.5, 1e-9);
    lp.Limit(0, 2);
    ASSERT_TRUE(lp.Solve(10.0));
    EXPECT_NEAR(lp.Bars(), 20.0, 1e-9);
}

TEST(CuttingStockLp, PiecesTheBarsOnHandCannotCoverAreLeftUncovered) {
    CuttingStockLp lp({4}, {{10.0, 1}});
    ASSERT_TRUE(lp.Add({{0, 2}}, 0));
    ASSERT_TRUE(lp.Solve(10.0));
    EXPECT_TRUE(lp.Uncovered());
}

}  // namespace
