#pragma once

#include <vector>

#include "core/CuttingPlan.h"
#include "core/PreparedCutList.h"
#include "core/optimiser/StockPatterns.h"

// Writes bars cut from stock out as a cutting plan: the longer stock lengths
// first, on each the bars with longer pieces first; within a bar the pieces
// stand longest first and each type's pieces come from its rows in row order.
// The pieces of the free rows are cut last from the first bar. Leftovers and
// totals follow the nesting's 32-bit arithmetic; a sum beyond the 32-bit
// range throws EOverflow.
CuttingPlan StockPlanOut(const PreparedCutList& cutList, const PieceTypes& types,
                         const StockList& stock, const StockRack& rack,
                         std::vector<StockPattern> uses);
