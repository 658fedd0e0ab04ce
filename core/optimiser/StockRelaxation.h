#pragma once

#include <memory>
#include <vector>

#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/StockPatterns.h"
#include "core/plan/PlanningBudget.h"

struct StockRelaxation {
    // No plan from the rack does better: the Lagrangian bound of the last
    // piece worths, which is the relaxation's optimum once no pattern of any
    // stock length is worth more than its bar.
    double LowerBound = 0.0;
    bool Solved = false;  // the relaxation's optimum over every pattern
    // The patterns of the relaxation's solution and their (fractional) bars.
    std::vector<std::pair<StockPattern, double>> InUse;
};

// The linear relaxation of planning from stock: bars of each stock length cut
// to any pattern in any non-negative amount, each line's bars at most those
// on hand, every type's pieces covered, least objective. Solved by COIN-OR
// CLP with column generation, one pricing problem per stock length: the most
// valuable pattern of the piece worths that its usable length holds, worth
// having when it is worth more than the bar costs. Its patterns are kept from
// one solve to the next, so that the pieces and bars left after some are
// fixed are solved again warm.
class StockRelaxer {
  public:
    StockRelaxer(const PieceTypes& types, const StockRack& rack, const OptimiserSettings& settings);
    ~StockRelaxer();
    StockRelaxer(const StockRelaxer&) = delete;
    StockRelaxer& operator=(const StockRelaxer&) = delete;

    // The relaxation of the pieces left of each type from the bars left on
    // hand of each line (`onHand` of the rack's limited lines), within the
    // budget.
    StockRelaxation Relax(const std::vector<std::int64_t>& left,
                          const std::vector<std::int64_t>& onHand, const PlanningBudget& budget);

  private:
    const PieceTypes& types_;
    const StockRack& rack_;
    const OptimiserSettings& settings_;
    std::unique_ptr<CuttingStockLp> lp_;
};
