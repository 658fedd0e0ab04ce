#pragma once

#include <cstdint>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/PieceTypes.h"
#include "core/plan/PlanningBudget.h"

// Lower bounds on the bars any plan needs for the given pieces of each type.
// The nesting's 32-bit test may round a free length up after a piece, so a
// bar can hold a little more than the exact sum allows; each piece is
// therefore counted short by the most one rounding can give back.

// The total length of the pieces over the bar length, rounded up.
std::int64_t LengthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces);

// Any worth per piece gives a bound: the worth of all pieces over the worth
// the most valuable single bar can hold, rounded up. With the worths of the
// linear relaxation's optimum this is the relaxation's own bound. Weaker,
// but still a bound, when the budget ends before the best bar is known.
std::int64_t WorthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
                        const std::vector<double>& worths, const OptimiserSettings& settings,
                        const PlanningBudget& budget = {});

// The length a piece of the type counts for in a bound: its own on a common
// grid of `unit` (0: none), where the 32-bit test is exact arithmetic,
// otherwise short by the most one rounding can give back and by room for the
// knapsack's own double arithmetic (so possibly 0).
double BoundLength(const PieceTypes& types, std::size_t type, double unit);

// The bars that pieces of the given total worth need when no bar holds more
// worth than `mostPerBar`, rounded up; 0 when nothing is worth anything.
std::int64_t BarsForWorth(long double totalWorth, double mostPerBar);
