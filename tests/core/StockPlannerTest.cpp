#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>
#include <random>
#include <vector>

#include "core/optimiser/FewestBars.h"
#include "core/optimiser/PieceTypes.h"
#include "core/optimiser/StockPlanner.h"

namespace {

struct Line {
    float length;
    std::optional<std::int64_t> onHand;
    std::optional<double> cost;
};

StockList Rack(const std::vector<Line>& lines, float endTrim = 0.0f) {
    StockList stock;
    int costed = 0;
    for (const Line& line : lines) {
        StockLength length;
        length.Length = line.length;
        length.LengthText = std::to_string(line.length);
        length.OnHand = line.onHand;
        length.Cost = line.cost;
        costed += line.cost ? 1 : 0;
        stock.Lengths.push_back(length);
    }
    stock.EndTrim = endTrim;
    stock.MixedCosts = costed > 0 && costed < static_cast<int>(lines.size());
    stock.Objective = costed > 0 ? StockObjective::LeastCost : StockObjective::LeastLength;
    return stock;
}

// Rows of (quantity, charged length).
PreparedCutList Job(const std::vector<std::pair<float, float>>& rows, float cutWidth = 0.0f) {
    PreparedCutList cutList;
    cutList.CutWidth = cutWidth;
    cutList.UsedRows = static_cast<int>(rows.size());
    for (std::size_t i = 0; i < rows.size(); ++i) {
        cutList.PieceQty[i + 1] = rows[i].first;
        cutList.PieceLen[i + 1] = rows[i].second;
    }
    return cutList;
}

// Each plan's own ten seconds from when it starts: a deadline fixed when the
// tests start would run out for the later ones on a slow build.
PlanningBudget Budget() {
    return PlanningBudget::Seconds(10.0);
}

double WorthOfPlan(const CuttingPlan& plan, const StockList& stock) {
    double worth = 0.0;
    for (const std::int32_t s : plan.BarStock) {
        worth += stock.Worth(static_cast<std::size_t>(s));
    }
    return worth;
}

// Every piece once, every bar fits its stock by the 32-bit test with the
// leftover it reports, no more bars of a line than on hand.
void ExpectSound(const CuttingPlan& plan, const PreparedCutList& cutList, const StockList& stock) {
    ASSERT_EQ(plan.BarStock.size(), plan.Bars.size());
    std::vector<std::int64_t> placed(static_cast<std::size_t>(cutList.UsedRows) + 1, 0);
    std::vector<std::int64_t> used(stock.Lengths.size(), 0);
    for (std::size_t b = 0; b < plan.Bars.size(); ++b) {
        const std::size_t s = static_cast<std::size_t>(plan.BarStock[b]);
        ++used[s];
        float left = stock.Usable(s);
        for (const PieceRun& run : plan.RunsOf(plan.Bars[b])) {
            for (int piece = 0; piece < run.Count; ++piece) {
                const float length = cutList.PieceLen[run.Row];
                ASSERT_GE(left, length) << "bar " << b;
                left = left - length;
            }
            placed[static_cast<std::size_t>(run.Row)] += run.Count;
        }
        EXPECT_EQ(left, plan.Bars[b].Left);
    }
    for (int row = 1; row <= cutList.UsedRows; ++row) {
        EXPECT_EQ(placed[static_cast<std::size_t>(row)], PiecesOf(cutList.PieceQty[row]));
    }
    for (std::size_t s = 0; s < stock.Lengths.size(); ++s) {
        EXPECT_LE(used[s], stock.Lengths[s].OnHand.value_or(used[s]));
    }
}

// The least (objective, bars) over every partition of the pieces into bars
// and every choice of stock line for each bar.
class BruteForce {
  public:
    BruteForce(std::vector<float> pieces, const StockList& stock) : pieces_(pieces), stock_(stock) {
        std::sort(pieces_.begin(), pieces_.end(), std::greater<>());
    }
    std::optional<std::pair<double, std::int64_t>> Best() {
        blocks_.clear();
        Partition(0);
        return best_;
    }

  private:
    void Partition(std::size_t piece) {
        if (piece == pieces_.size()) {
            std::vector<std::int64_t> used(stock_.Lengths.size(), 0);
            Assign(0, used, 0.0);
            return;
        }
        for (std::size_t b = 0; b <= blocks_.size(); ++b) {
            if (b == blocks_.size()) {
                blocks_.emplace_back();
            }
            blocks_[b].push_back(pieces_[piece]);
            Partition(piece + 1);
            blocks_[b].pop_back();
            if (blocks_[b].empty()) {
                blocks_.pop_back();
            }
        }
    }
    void Assign(std::size_t block, std::vector<std::int64_t>& used, double worth) {
        if (block == blocks_.size()) {
            const std::pair<double, std::int64_t> key{worth,
                                                      static_cast<std::int64_t>(blocks_.size())};
            if (!best_ || key.first < best_->first - 1e-9 ||
                (key.first <= best_->first + 1e-9 && key.second < best_->second)) {
                best_ = key;
            }
            return;
        }
        for (std::size_t s = 0; s < stock_.Lengths.size(); ++s) {
            if (used[s] >= stock_.Lengths[s].OnHand.value_or(1000)) {
                continue;
            }
            float left = stock_.Usable(s);
            bool fits = true;
            for (const float length : blocks_[block]) {
                fits = fits && left >= length;
                left = left - length;
            }
            if (fits) {
                ++used[s];
                Assign(block + 1, used, worth + stock_.Worth(s));
                --used[s];
            }
        }
    }

    std::vector<float> pieces_;
    const StockList& stock_;
    std::vector<std::vector<float>> blocks_;
    std::optional<std::pair<double, std::int64_t>> best_;
};

// A small random job planned against every partition of its pieces: costs in
// whole numbers, or in cents with stock lengths in eighths.
void ExpectBestOfAnyPartition(unsigned seed, bool cents) {
    std::mt19937 random(seed);
    const bool costed = random() % 2 == 0;
    std::vector<Line> lines;
    const int lineCount = 2 + static_cast<int>(random() % 2);
    for (int s = 0; s < lineCount; ++s) {
        Line line{static_cast<float>(60 + random() % 80), std::nullopt, std::nullopt};
        if (cents) {
            line.length += static_cast<float>(random() % 8) / 8.0f;
        }
        if (random() % 2 == 0) {
            line.onHand = 1 + random() % 3;
        }
        if (costed) {
            line.cost = cents ? static_cast<double>(random() % 4000) / 100.0
                              : static_cast<double>(random() % 40);
        }
        lines.push_back(line);
    }
    const StockList stock = Rack(lines, random() % 3 == 0 ? 1.5f : 0.0f);
    std::vector<std::pair<float, float>> rows;
    std::vector<float> pieces;
    const int pieceCount = 3 + static_cast<int>(random() % 5);
    for (int p = 0; p < pieceCount; ++p) {
        const float length = static_cast<float>(10 + random() % 50) + 0.125f;
        rows.push_back({1.0f, length});
        pieces.push_back(length);
    }
    const PreparedCutList cutList = Job(rows);
    const PlanOutcome result = PlanFromStock(cutList, stock, Budget());
    const auto best = BruteForce(pieces, stock).Best();
    if (!best) {
        ASSERT_TRUE(result.Refused);
        EXPECT_TRUE(result.Refused->starts_with("Not enough stock on hand")) << *result.Refused;
        return;
    }
    ASSERT_FALSE(result.Refused) << *result.Refused;
    ExpectSound(*result.Plan, cutList, stock);
    EXPECT_NEAR(WorthOfPlan(*result.Plan, stock), best->first, 1e-9);
    EXPECT_NEAR(result.StockObjective, best->first, 1e-9);
    EXPECT_EQ(static_cast<std::int64_t>(result.Plan->Bars.size()), best->second);
    EXPECT_TRUE(result.ProvenMinimal);
    EXPECT_LE(result.StockLowerBound, result.StockObjective);
}

class SmallStockJobs : public testing::TestWithParam<unsigned> {};

TEST_P(SmallStockJobs, BestPlanOfAnyPartition) {
    ExpectBestOfAnyPartition(GetParam(), false);
}

TEST_P(SmallStockJobs, BestPlanOfAnyPartitionInCents) {
    ExpectBestOfAnyPartition(GetParam(), true);
}

INSTANTIATE_TEST_SUITE_P(Seeds, SmallStockJobs, testing::Range(1u, 81u));

class WorkshopStockJobs : public testing::TestWithParam<unsigned> {};

TEST_P(WorkshopStockJobs, SoundPlanAboveItsBound) {
    std::mt19937 random(GetParam());
    std::vector<Line> lines = {
        {6000, std::nullopt, 60.0}, {4000, 10, 42.0}, {2500, 5, 27.0}, {1800, 2, 0.0}};
    const StockList stock = Rack(lines);
    std::vector<std::pair<float, float>> rows;
    for (int r = 0; r < 40; ++r) {
        rows.push_back({static_cast<float>(1 + random() % 12),
                        static_cast<float>(200 + random() % 1600) + 3.0f});
    }
    const PreparedCutList cutList = Job(rows, 3.0f);
    const PlanOutcome result = PlanFromStock(cutList, stock, PlanningBudget::Seconds(5.0));
    ASSERT_FALSE(result.Refused) << *result.Refused;
    ExpectSound(*result.Plan, cutList, stock);
    EXPECT_NEAR(WorthOfPlan(*result.Plan, stock), result.StockObjective, 1e-6);
    EXPECT_LE(result.StockLowerBound, result.StockObjective);
    EXPECT_GT(result.StockLowerBound, 0.0);
}

INSTANTIATE_TEST_SUITE_P(Seeds, WorkshopStockJobs, testing::Range(1u, 9u));

TEST(StockPlanner, OneUnlimitedLineUsesAsFewBarsAsFewestBars) {
    std::mt19937 random(7);
    std::vector<std::pair<float, float>> rows;
    for (int r = 0; r < 30; ++r) {
        rows.push_back(
            {static_cast<float>(1 + random() % 6), static_cast<float>(300 + random() % 2500)});
    }
    PreparedCutList cutList = Job(rows);
    const PlanOutcome result =
        PlanFromStock(cutList, Rack({{6000, std::nullopt, std::nullopt}}), Budget());
    cutList.BarLength = 6000;
    const PlanOutcome fewest = PlanFewestBars(cutList, Budget());
    ASSERT_FALSE(result.Refused);
    EXPECT_EQ(result.Plan->Bars.size(), fewest.Plan->Bars.size());
    EXPECT_EQ(result.StockObjective, 6000.0 * static_cast<double>(fewest.Plan->Bars.size()));
}

// A search that finishes within its budget depends on nothing but the job.
TEST(StockPlanner, SameJobSamePlan) {
    std::mt19937 random(11);
    std::vector<std::pair<float, float>> rows;
    for (int r = 0; r < 10; ++r) {
        rows.push_back({1.0f, static_cast<float>(15 + random() % 60) + 0.5f});
    }
    const PreparedCutList cutList = Job(rows);
    const StockList stock = Rack({{120, std::nullopt, 21.0}, {95, 2, 15.0}, {70, 1, 0.0}});
    auto barsOf = [&](const CuttingPlan& plan) {
        std::vector<std::vector<int>> bars;
        for (std::size_t b = 0; b < plan.Bars.size(); ++b) {
            bars.push_back({plan.BarStock[b]});
            for (const PieceRun& run : plan.RunsOf(plan.Bars[b])) {
                bars.back().insert(bars.back().end(), {run.Row, run.Count});
            }
        }
        return bars;
    };
    const PlanOutcome first = PlanFromStock(cutList, stock, Budget());
    const PlanOutcome second = PlanFromStock(cutList, stock, Budget());
    ASSERT_TRUE(first.ProvenMinimal);
    ASSERT_TRUE(second.ProvenMinimal);
    EXPECT_EQ(barsOf(*first.Plan), barsOf(*second.Plan));
}

TEST(StockPlanner, OffcutsAreCutFirstAndLeftoversGathered) {
    // Two free offcuts of 50 take the two 45s; the 90 needs a bought bar.
    const StockList stock = Rack({{100, std::nullopt, 10.0}, {50, 2, 0.0}});
    const PreparedCutList cutList = Job({{1, 90}, {2, 45}});
    const PlanOutcome result = PlanFromStock(cutList, stock, Budget());
    ASSERT_FALSE(result.Refused);
    EXPECT_EQ(result.StockObjective, 10.0);
    EXPECT_EQ(result.Plan->BarStock, (std::vector<std::int32_t>{0, 1, 1}));
}

TEST(StockPlanner, Refusals) {
    const struct {
        StockList stock;
        std::vector<std::pair<float, float>> rows;
        const char* refusal;
    } cases[] = {
        {Rack({{100, 1, 2.0}, {50, 1, std::nullopt}}), {{1, 10}}, kMixedCosts},
        {Rack({{100, 1, std::nullopt}, {50, 1, std::nullopt}}),
         {{1, 100.5f}},
         kBarShorterThanPiece},
        {Rack({{100, 4, std::nullopt}}, 1.0f), {{1, 99.5f}}, kBarShorterThanPiece},
        {Rack({{100, 1, std::nullopt}, {50, 1, std::nullopt}}),
         {{2, 60}, {1, 30}},
         "Not enough stock on hand: no bar is left for 1 x 60.000"},
        {StockList{}, {{1, 10}}, kNoStock},
        // Far beyond any whole count, the quantity is refused before its
        // pieces are counted out.
        {Rack({{100, 2, std::nullopt}, {50, 1, std::nullopt}}), {{1e30f, 10}}, kQuantityTooLarge},
    };
    for (const auto& c : cases) {
        const PlanOutcome result = PlanFromStock(Job(c.rows), c.stock, Budget());
        EXPECT_EQ(result.Refused.value_or(""), c.refusal);
    }
}

}  // namespace
