#pragma once

#include <cstdint>
#include <memory>

#include "core/plan/CuttingPlan.h"
#include "core/plan/PreparedCutList.h"
#include "core/plan/Refusals.h"

// The methods a plan is made by, as the batch tool names them.
inline constexpr const char* kFirstFitMethod = "first fit";
inline constexpr const char* kAlternateMethod = "alternate";
inline constexpr const char* kFewestBarsMethod = "fewest bars";
inline constexpr const char* kStockMethod = "stock";

// How a planning ended, whichever planner made it. The window and the batch
// tool keep it as it is: the plan is shared and never changed, so a window
// may hold it as long as it shows it.
struct PlanOutcome {
    Refusal Refused;
    // The bars, with every row as it was read when the cut list was
    // prepared; null when refused or cancelled.
    std::shared_ptr<const CuttingPlan> Plan;
    const char* Method = kFirstFitMethod;
    std::int64_t LowerBound = 0;  // no plan can use fewer bars
    // The plan is proven best: it uses LowerBound bars or, from stock, it
    // reaches StockLowerBound.
    bool ProvenMinimal = false;
    // The user stopped the search: nothing is planned.
    bool Cancelled = false;
    // From stock: the plan's total cost or stock length, and the least any
    // plan from that stock could reach.
    double StockObjective = 0.0;
    double StockLowerBound = 0.0;

    std::int64_t BarCount() const {
        return Plan ? static_cast<std::int64_t>(Plan->Bars.size()) : 0;
    }
};

// A planner's bars made ready to share: they take the rows they were cut for
// from the prepared cut list.
std::shared_ptr<const CuttingPlan> SharedPlan(CuttingPlan plan, const PreparedCutList& cutList);
