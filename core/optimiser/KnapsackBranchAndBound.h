#pragma once

#include "core/optimiser/PatternKnapsack.h"
#include "core/plan/PlanningBudget.h"

// A depth-first branch and bound over the pieces per type, types taken in
// order of worth per length and pruned by the fractional filling of the rest
// of the bar: keeps the best `keep` patterns worth more than the threshold.
// Gives up after `nodeLimit` nodes or at the end of the budget, its outcome
// then not Complete. Lengths add up exactly, not by the bar's 32-bit test.
KnapsackOutcome BranchAndBoundPatterns(std::vector<KnapsackItem> items, double capacity,
                                       double threshold, std::size_t keep, std::int64_t nodeLimit,
                                       const PlanningBudget& budget = {});
