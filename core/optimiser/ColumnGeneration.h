#pragma once

#include <cstdint>
#include <limits>
#include <vector>

#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/PieceTypes.h"
#include "core/plan/PlanningBudget.h"

// Solves the linear relaxation for the given pieces, adding the patterns that
// the piece worths of each solution show to be worth more than a bar, until
// none is left or the budget is over. Every pattern added passes the
// nesting's 32-bit test.
struct Relaxation {
    bool Solved = false;  // optimal over all patterns, not only the ones tried
    double Bars = 0.0;
    // How far the relaxation's optimum may still lie below Bars: the most a
    // bar's pattern was worth at the last pricing, over one, scaled by Bars.
    // Zero when Solved; unknown (infinite) before a pricing has completed.
    double Unsettled = std::numeric_limits<double>::infinity();
    std::vector<double> PieceWorths;
    std::vector<std::pair<Pattern, double>> InUse;  // patterns and their bars
};

Relaxation SolveRelaxation(CuttingStockLp& lp, const PieceTypes& types,
                           const std::vector<std::int64_t>& pieces, const PlanningBudget& budget,
                           const OptimiserSettings& settings);
