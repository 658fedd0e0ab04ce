#include <gtest/gtest.h>

#include <random>
#include <tuple>
#include <vector>

#include "core/optimiser/UnitCosts.h"

namespace {

// Plans as bars per line: their cost in units must order them by objective,
// then by bars, and give back their objective.
TEST(UnitCosts, OrderPlansByObjectiveThenBars) {
    const struct {
        std::vector<double> worths;
        double grain;
    } cases[] = {
        {{60.0, 42.0, 27.0, 0.0}, 3.0},
        {{67.24, 37.07, 0.0}, 0.01},
        {{6000.0, 2438.5, 96.125}, 0.125},
    };
    constexpr std::int64_t kPieces = 40;
    for (const auto& c : cases) {
        const UnitCosts costs = CostsInUnits(c.worths, kPieces);
        ASSERT_TRUE(costs.Whole);
        EXPECT_NEAR(costs.Grain, c.grain, 1e-12);
        std::mt19937 random(3);
        std::vector<std::tuple<double, std::int64_t, double>> plans;  // worth, bars, units
        for (int plan = 0; plan < 200; ++plan) {
            double worth = 0.0;
            double units = 0.0;
            std::int64_t bars = 0;
            for (std::size_t line = 0; line < c.worths.size(); ++line) {
                const auto count = static_cast<std::int64_t>(random() % 8);
                worth += c.worths[line] * static_cast<double>(count);
                units += costs.Cost[line] * static_cast<double>(count);
                bars += count;
            }
            EXPECT_NEAR(costs.ObjectiveAtLeast(units), worth, 1e-9 * worth);
            EXPECT_LE(costs.UnitsAtLeast(worth), units);
            plans.emplace_back(worth, bars, units);
        }
        for (const auto& [worthA, barsA, unitsA] : plans) {
            for (const auto& [worthB, barsB, unitsB] : plans) {
                const bool cheaper = worthA < worthB - 1e-9 * worthB ||
                                     (worthA <= worthB + 1e-9 * worthB && barsA < barsB);
                EXPECT_EQ(unitsA < unitsB, cheaper) << worthA << " " << worthB;
            }
        }
    }
}

TEST(UnitCosts, WorthsWithoutAGrainStayAsTheyAre) {
    const std::vector<double> worths{1.0 / 3.0, 2.0};
    const UnitCosts costs = CostsInUnits(worths, 10);
    EXPECT_FALSE(costs.Whole);
    EXPECT_EQ(costs.Cost, worths);
    EXPECT_EQ(costs.ObjectiveAtLeast(5.5), 5.5);
}

}  // namespace
