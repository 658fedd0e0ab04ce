#pragma once

#include "core/optimiser/OptimiserSettings.h"
#include "core/plan/PlanOutcome.h"
#include "core/plan/PlanningBudget.h"
#include "core/plan/PreparedCutList.h"
#include "core/stock/StockList.h"

// Plans the prepared cut list from the stock on hand: every bar is cut from
// one stock length, never more bars of a length than are on hand, each piece
// charged its decimal length plus one cut width and fitted by the nesting's
// 32-bit test into the length left after the end trim. Least total cost when
// every line is costed, least total stock length when none is; ties go to
// fewer bars, then to one long leftover rather than several short ones. The
// stock lengths take the place of BarLength.
//
// Refused: a mix of costed and uncosted lines, a piece longer than every
// stock length ("Bar Length less than Cut length"), more pieces than a
// 32-bit count can take down, and a job the stock on hand cannot hold (the
// message says which pieces are left without a bar).
//
// The plan's Stock and BarStock say what each bar is cut from; the outcome's
// StockObjective is its total cost or total stock length, StockLowerBound the
// least any plan from this stock reaches, and ProvenMinimal says the plan
// reaches it. Its LowerBound is QuickLowerBound of the cut list, whose
// BarLength the preparation set to the longest usable stock length.
PlanOutcome PlanFromStock(const PreparedCutList& cutList, const StockList& stock,
                          const PlanningBudget& budget, const OptimiserSettings& settings = {});

inline constexpr const char* kMixedCosts =
    "Give every stock length a cost, or none: some have a cost and some have not";
inline constexpr const char* kNoStock = "The stock list holds no stock length";
