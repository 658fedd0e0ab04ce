#pragma once

#include <cstdint>
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
    std::vector<double> PieceWorths;
    std::vector<std::pair<Pattern, double>> InUse;  // patterns and their bars
};

Relaxation SolveRelaxation(CuttingStockLp& lp, const PieceTypes& types,
                           const std::vector<std::int64_t>& pieces, const PlanningBudget& budget,
                           const OptimiserSettings& settings);
