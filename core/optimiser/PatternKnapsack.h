#pragma once

#include <cstdint>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/PieceTypes.h"
#include "core/plan/PlanningBudget.h"

// One piece type offered to a bar: its length, its worth and how many pieces
// of it may go into one bar.
struct KnapsackItem {
    double Weight = 0.0;
    double Worth = 0.0;
    std::int64_t Most = 0;
    std::int32_t Type = 0;
};

struct KnapsackOutcome {
    std::vector<Pattern> Found;  // the best patterns worth more than the threshold, best first
    double Best = 0.0;           // worth of the best pattern found
    bool Complete = false;       // every pattern was weighed within the node limit
    double UpperBound = 0.0;     // no pattern is worth more: Best when complete
};

// The most valuable patterns whose lengths add up to no more than the
// capacity. When every length and the capacity are whole multiples of `unit`
// (0: no such unit) and the multiples are few, dynamic programming over the
// capacity finds the single best pattern exactly; otherwise a depth-first
// branch and bound over the pieces per type keeps the best `keep` patterns
// above the threshold. Either stops at the end of the budget with what it has
// found, not Complete.
KnapsackOutcome MostValuablePatterns(std::vector<KnapsackItem> items, double capacity,
                                     double threshold, std::size_t keep, std::int64_t nodeLimit,
                                     double unit = 0.0, const KnapsackSettings& settings = {},
                                     const PlanningBudget& budget = {});

// The items worth offering: worth and length above 0, fitting the capacity,
// each allowed no more pieces than the capacity takes.
std::vector<KnapsackItem> UsableItems(std::vector<KnapsackItem> items, double capacity);

// The most pieces of one length that a free length takes, by exact products.
std::int64_t MostThatFit(double weight, double capacity, std::int64_t most);

// The largest power of two of which the bar length and every piece length are
// whole multiples, when the bar holds few enough of them for the dynamic
// programme; 0 otherwise. On such a grid the 32-bit test is exact arithmetic.
double CommonUnit(const PieceTypes& types, const KnapsackSettings& settings = {});
