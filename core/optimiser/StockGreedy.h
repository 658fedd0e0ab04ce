#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/StockPatterns.h"
#include "core/plan/PlanningBudget.h"

// Plans the pieces bar by bar: of every stock line still on hand the fullest
// bar the pieces left can make, and of those the one that costs least per
// length it holds, cut as often as the pieces and the rack allow. Bars are
// then moved to the cheapest line on hand that still holds their pieces.
// Empty when some pieces find no bar on the rack; `left` then holds them.
std::optional<std::vector<StockPattern>> PlanGreedily(const PieceTypes& types,
                                                      const StockRack& rack,
                                                      const PlanningBudget& budget,
                                                      std::vector<std::int64_t>& left,
                                                      const OptimiserSettings& settings);

// Moves each bar to the line on hand that adds least to the objective and
// still holds its pieces.
void MoveToCheaperStock(std::vector<StockPattern>& uses, const PieceTypes& types,
                        const StockRack& rack);
