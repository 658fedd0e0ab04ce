// Every part of a search ends with its budget: each reads the budget's clock
// as it works, and a search whose clock jumps past the end gives the best
// sound plan it has at once.
#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <vector>

#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/FewestBars.h"
#include "core/optimiser/PatternKnapsack.h"
#include "core/optimiser/StockPlanner.h"
#include "tests/core/JumpingClock.h"

namespace {

// Lengths worth about as much as they are long: many patterns nearly tie,
// so neither knapsack search ends early.
std::vector<KnapsackItem> CloseWorths(std::mt19937& random, int count) {
    std::vector<KnapsackItem> items;
    for (int i = 0; i < count; ++i) {
        const double length = 1000.0 + static_cast<double>(random() % 9000);
        items.push_back({length, length + 500.0 + static_cast<double>(random() % 100),
                         static_cast<std::int64_t>(1 + random() % 3), i});
    }
    return items;
}

TEST(TimeLimit, KnapsackSearchesStopAtTheEndOfTheBudgetWithAValidBound) {
    std::mt19937 random(5);
    const std::vector<KnapsackItem> items = CloseWorths(random, 60);
    const double capacity = 30000.0;
    const KnapsackOutcome exact =
        MostValuablePatterns(items, capacity, 0.0, 3, 1 << 20, 1.0, KnapsackSettings{});
    ASSERT_TRUE(exact.Complete);
    // On the grid of whole lengths, and weighed one by one.
    for (const double unit : {1.0, 0.0}) {
        const auto clock = ClockJumpingAfter(2);
        const KnapsackOutcome stopped = MostValuablePatterns(items, capacity, 0.0, 3, 1 << 30, unit,
                                                             KnapsackSettings{}, BudgetOn(clock));
        EXPECT_FALSE(stopped.Complete) << unit;
        EXPECT_EQ(clock->ReadingsPastTheEnd(), 0) << unit;
        EXPECT_GE(stopped.UpperBound, exact.Best) << unit;
        EXPECT_LE(stopped.Best, exact.Best) << unit;
        for (const Pattern& pattern : stopped.Found) {
            double length = 0.0;
            for (const TypeCount& entry : pattern) {
                const KnapsackItem& item = items[static_cast<std::size_t>(entry.Type)];
                EXPECT_LE(entry.Count, item.Most);
                length += item.Weight * static_cast<double>(entry.Count);
            }
            EXPECT_LE(length, capacity) << unit;
        }
    }
}

TEST(TimeLimit, TheLinearRelaxationStopsAtTheEndOfTheBudgetAndGoesOnFromThere) {
    std::mt19937 random(3);
    std::vector<std::int64_t> pieces;
    for (int t = 0; t < 40; ++t) {
        pieces.push_back(static_cast<std::int64_t>(1 + random() % 20));
    }
    auto filled = [&pieces] {
        auto lp = std::make_unique<CuttingStockLp>(pieces);
        for (std::int32_t a = 0; a < 40; ++a) {
            lp->Add({{a, 2}});
            for (std::int32_t b = a + 1; b < 40; b += 3) {
                lp->Add({{a, 1}, {b, 1 + b % 2}});
            }
        }
        return lp;
    };
    const auto whole = filled();
    ASSERT_TRUE(whole->Solve(PlanningBudget{}));

    const auto stopped = filled();
    const auto clock = ClockJumpingAfter(1);
    EXPECT_FALSE(stopped->Solve(BudgetOn(clock)));
    EXPECT_EQ(clock->ReadingsPastTheEnd(), 0);
    ASSERT_TRUE(stopped->Solve(PlanningBudget{}));
    EXPECT_NEAR(stopped->Bars(), whole->Bars(), 1e-7 * whole->Bars());
}

// The bar 500000 and 499 lengths from 5 to 45 % of it, as in a large
// workshop job.
PreparedCutList LargeJob(int pieces, unsigned seed) {
    std::mt19937 random(seed);
    std::vector<int> lengths;
    while (lengths.size() < 499) {
        lengths.push_back(25000 + static_cast<int>(random() % 200001));
    }
    std::sort(lengths.rbegin(), lengths.rend());
    lengths.erase(std::unique(lengths.begin(), lengths.end()), lengths.end());
    std::vector<int> quantities(lengths.size(), 0);
    for (int p = 0; p < pieces; ++p) {
        ++quantities[random() % lengths.size()];
    }
    PreparedCutList list;
    list.BarLength = 500000.0f;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        if (quantities[i] > 0) {
            list.UsedRows += 1;
            list.PieceLen[list.UsedRows] = static_cast<float>(lengths[i]);
            list.PieceQty[list.UsedRows] = static_cast<float>(quantities[i]);
        }
    }
    return list;
}

// Every piece once; the pieces of a bar fit what its stock length (or the
// bar) leaves by the 32-bit test, as the bar reports it.
void ExpectEveryPieceOnce(const CuttingPlan& plan, const PreparedCutList& list,
                          const StockList* stock) {
    std::vector<std::int64_t> placed(static_cast<std::size_t>(list.UsedRows) + 1, 0);
    for (std::size_t b = 0; b < plan.Bars.size(); ++b) {
        float left = stock != nullptr ? stock->Usable(static_cast<std::size_t>(plan.BarStock.at(b)))
                                      : list.BarLength;
        for (const PieceRun& run : plan.RunsOf(plan.Bars[b])) {
            for (int piece = 0; piece < run.Count; ++piece) {
                ASSERT_GE(left, list.PieceLen[run.Row]) << "bar " << b;
                left = left - list.PieceLen[run.Row];
            }
            placed[static_cast<std::size_t>(run.Row)] += run.Count;
        }
        EXPECT_EQ(left, plan.Bars[b].Left) << "bar " << b;
    }
    for (int row = 1; row <= list.UsedRows; ++row) {
        EXPECT_EQ(placed[static_cast<std::size_t>(row)],
                  static_cast<std::int64_t>(list.PieceQty[row]));
    }
}

StockList ThreeLines() {
    StockList stock;
    for (const auto& [length, onHand] : std::vector<std::pair<float, std::optional<std::int64_t>>>{
             {500000.0f, std::nullopt}, {450000.0f, 200}, {300000.0f, 100}}) {
        StockLength line;
        line.Length = length;
        line.LengthText = std::to_string(length);
        line.OnHand = onHand;
        stock.Lengths.push_back(line);
    }
    return stock;
}

// The parts that read the clock after the end are the loops the search
// unwinds through, each once.
constexpr std::int64_t kMostReadingsPastTheEnd = 16;

TEST(TimeLimit, LargeJobsGiveASoundPlanAtTheEndOfTheBudget) {
    const StockList stock = ThreeLines();
    struct Case {
        int pieces;
        const StockList* stock;
    };
    // Searched through piece by piece; dived through by types; from stock.
    for (const Case& job : {Case{1500, nullptr}, Case{3000, nullptr}, Case{2000, &stock}}) {
        const PreparedCutList list = LargeJob(job.pieces, 9);
        for (const std::int64_t readings : {3, 40, 400}) {
            const auto clock = ClockJumpingAfter(readings);
            const PlanOutcome result = job.stock != nullptr
                                           ? PlanFromStock(list, *job.stock, BudgetOn(clock))
                                           : PlanFewestBars(list, BudgetOn(clock));
            ASSERT_FALSE(result.Refused);
            ASSERT_TRUE(result.Plan);
            ExpectEveryPieceOnce(*result.Plan, list, job.stock);
            EXPECT_LE(clock->ReadingsPastTheEnd(), kMostReadingsPastTheEnd)
                << job.pieces << " pieces, " << readings << " readings";
        }
    }
}

}  // namespace
