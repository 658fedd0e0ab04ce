#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/StockPatterns.h"
#include "core/plan/PlanningBudget.h"

struct ExactStockPlan {
    std::optional<std::vector<StockPattern>> Best;  // none when no plan fits the rack
    bool Complete = false;                          // every plan was weighed: Best is the optimum
};

// Tries every way of cutting the pieces from the rack, piece by piece, longest
// first, into a bar already opened or a new bar of a stock line still on
// hand, and keeps the best: the least objective, then the fewest bars, then
// the leftovers most gathered in few long ones. Plans that cannot beat
// `incumbent` are not followed.
ExactStockPlan SearchStockPlans(const PieceTypes& types, const StockRack& rack,
                                const std::optional<std::vector<StockPattern>>& incumbent,
                                const PlanningBudget& budget, const StockSettings& settings);

// How two plans compare: the objective, then the bars, then the sum of the
// squared leftovers (more is better: one long rather than several short).
struct StockPlanKey {
    double Worth = 0.0;
    std::int64_t Bars = 0;
    double Gathered = 0.0;
    bool operator<(const StockPlanKey& other) const;
};
StockPlanKey KeyOf(const std::vector<StockPattern>& uses, const PieceTypes& types,
                   const StockRack& rack);
