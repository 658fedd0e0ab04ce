#pragma once

#include <cstdint>
#include <vector>

#include "core/optimiser/PatternKnapsack.h"

// An item of the pricing with conflicts: a group of pieces that goes into a
// bar whole or not at all.
struct ConflictItem {
    double Weight = 0.0;
    double Worth = 0.0;
};

// The most valuable sets of items whose weights add up to no more than the
// capacity and that hold no two items in conflict (`conflicts` by item). The
// patterns found list items as Type with Count 1. Without conflicts, on a grid
// small enough, this is the pattern knapsack; otherwise a depth-first branch
// and bound, items in order of worth per weight, pruned by the fractional
// filling of the bar that leaves the conflicts out. At the end of the budget
// it gives what it has found, not Complete.
KnapsackOutcome PriceWithConflicts(const std::vector<ConflictItem>& items,
                                   const std::vector<std::vector<std::int32_t>>& conflicts,
                                   double capacity, double threshold, std::size_t keep,
                                   std::int64_t nodeLimit, double unit,
                                   const KnapsackSettings& settings = {},
                                   const PlanningBudget& budget = {});
