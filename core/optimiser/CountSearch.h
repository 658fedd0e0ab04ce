#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/optimiser/PieceTypes.h"
#include "core/plan/PlanningBudget.h"

// Jobs of a few lengths with many pieces of each: the branch and price tells
// identical pieces apart, so where the relaxation falls a bar short its tree
// holds the same plan many times over and seldom closes. Searching over how
// many pieces of each type are still to cut sees each such plan once.
//
// The search goes bar by bar, breadth first, so the first way it finds to cut
// every piece uses the fewest bars. Each bar is cut to a pattern that no
// piece still to cut could be added to; a plan of any other bars can be
// turned into such one by moving pieces forward, since taking a piece out of
// a bar never makes the nesting's 32-bit test fail.
struct CountSearchOutcome {
    // Whether the search ran to its end: the plan, if any, is then the one
    // of fewest bars, and with no plan no plan of `mostBars` or fewer exists.
    bool Settled = false;
    std::optional<std::vector<PatternUse>> Plan;
};

// Jobs whose counts give more ways than this are left to the branch and price.
inline constexpr std::int64_t kMostCountStates = std::int64_t{1} << 25;

// Searches for the plan of fewest bars, and of at most `mostBars`, for the
// given pieces of each type. Not settled when the job has too many ways of
// counts or patterns, or when the budget ends first.
CountSearchOutcome SearchByCounts(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
                                  std::int64_t mostBars, const PlanningBudget& budget);
