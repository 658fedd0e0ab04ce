#pragma once

#include <optional>

#include "core/optimiser/PatternKnapsack.h"
#include "core/plan/PlanningBudget.h"

// Dynamic programming over the capacity counted in whole units, every length
// a whole multiple of `unit`: the single best pattern exactly, and as further
// candidates the best pattern through each type, up to `keep` and the
// settings' patterns through types, all worth more than the threshold. Empty
// when the programme would need more choice memory or more units than the
// settings allow. When the budget ends first, the patterns are the best of
// the pieces weighed so far and the outcome is not Complete.
std::optional<KnapsackOutcome> GridPatterns(const std::vector<KnapsackItem>& items, double capacity,
                                            double threshold, std::size_t keep, double unit,
                                            const KnapsackSettings& settings,
                                            const PlanningBudget& budget = {});
