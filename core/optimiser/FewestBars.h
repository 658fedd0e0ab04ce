#pragma once

#include <cstdint>

#include "core/optimiser/OptimiserSettings.h"
#include "core/plan/PlanOutcome.h"
#include "core/plan/PlanningBudget.h"
#include "core/plan/PreparedCutList.h"

// Plans the prepared cut list on as few bars as the search finds within the
// budget, never more than first fit, longest first, would use. Every bar's
// pieces pass the nesting's 32-bit test in the order they stand, longest
// first, and every leftover is the one that test leaves. The job is refused
// where the nesting refuses it (a piece longer than the bar, more pieces than
// a 32-bit count can take down); a sum beyond the 32-bit range throws
// EOverflow as the nesting does. The outcome's lower bound is the best the
// search proved; the plan is minimal when it uses that many bars.
PlanOutcome PlanFewestBars(const PreparedCutList& cutList, const PlanningBudget& budget,
                           const OptimiserSettings& settings = {});

// The bound that costs no search: the pieces' total length over the bar
// length, rounded up, and at least one bar.
std::int64_t QuickLowerBound(const PreparedCutList& cutList);
