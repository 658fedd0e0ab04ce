#pragma once

#include <optional>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/StockPatterns.h"
#include "core/plan/PlanningBudget.h"

struct StockDiveOutcome {
    std::optional<std::vector<StockPattern>> Best;  // the best plan met, if any
    double LowerBound = 0.0;                        // the whole job's relaxation bound
};

// Dives through the relaxation of planning from stock: the bars it uses
// whole are fixed, the pieces and bars on hand left solved again, and where
// nothing is whole one bar of its most used pattern is fixed. Every step's
// relaxation is also rounded down and its pieces left planned bar by bar, so
// that the best plan met is at hand when the budget ends; `best` is a plan
// already found. While time is left it dives again, each time fixing fewer
// bars at a step, until the best plan meets the bound. Plans compare as
// KeyOf does.
StockDiveOutcome DiveThroughStock(const PieceTypes& types, const StockRack& rack,
                                  std::optional<std::vector<StockPattern>> best,
                                  const PlanningBudget& budget, const OptimiserSettings& settings);
