#pragma once

#include <optional>

#include "core/optimiser/PatternKnapsack.h"

// Dynamic programming over the capacity counted in whole units, every length
// a whole multiple of `unit`: the single best pattern exactly, and as further
// candidates the best ones within shorter capacities, up to `keep` patterns
// worth more than the threshold. Empty when the programme would need more
// choice memory or more units than the settings allow.
std::optional<KnapsackOutcome> GridPatterns(const std::vector<KnapsackItem>& items, double capacity,
                                            double threshold, std::size_t keep, double unit,
                                            const KnapsackSettings& settings);
