#pragma once

#include <cstdint>

#include "core/optimiser/OptimiserSettings.h"
#include "core/plan/CuttingPlan.h"
#include "core/plan/PlanningBudget.h"
#include "core/plan/PreparedCutList.h"
#include "core/plan/Refusals.h"

struct FewestBarsResult {
    Refusal Refused;  // the nesting's refusal of the job, if any
    CuttingPlan Plan;
    std::int64_t LowerBound = 0;  // no plan can use fewer bars
    bool ProvenMinimal = false;   // the plan uses exactly LowerBound bars
    bool Cancelled = false;       // the user stopped the search; Plan is empty
};

// Plans the prepared cut list on as few bars as the search finds within the
// budget, never more than first fit, longest first, would use. Every bar's
// pieces pass the nesting's 32-bit test in the order they stand, longest
// first, and every leftover is the one that test leaves. The job is refused
// where the nesting refuses it (a piece longer than the bar, more pieces than
// a 32-bit count can take down); a sum beyond the 32-bit range throws
// EOverflow as the nesting does.
FewestBarsResult PlanFewestBars(const PreparedCutList& cutList, const PlanningBudget& budget,
                                const OptimiserSettings& settings = {});

// The bound that costs no search: the pieces' total length over the bar
// length, rounded up, and at least one bar.
std::int64_t QuickLowerBound(const PreparedCutList& cutList);
