#include "core/optimiser/ColumnGeneration.h"

#include <algorithm>

#include "core/optimiser/PatternKnapsack.h"

namespace {

// The pricing weighs exact sums; the rare pattern the 32-bit test refuses
// loses its shortest pieces until it passes.
Pattern Passing(Pattern pattern, const PieceTypes& types) {
    while (!pattern.empty() && !LeftoverOf(pattern, types)) {
        if (--pattern.back().Count == 0) {
            pattern.pop_back();
        }
    }
    return pattern;
}

double WorthOf(const Pattern& pattern, const std::vector<double>& worths) {
    double worth = 0.0;
    for (const TypeCount& entry : pattern) {
        worth += worths[static_cast<std::size_t>(entry.Type)] * static_cast<double>(entry.Count);
    }
    return worth;
}

}  // namespace

Relaxation SolveRelaxation(CuttingStockLp& lp, const PieceTypes& types,
                           const std::vector<std::int64_t>& pieces, const PlanningBudget& budget,
                           const OptimiserSettings& settings) {
    const RelaxationSettings& tuning = settings.Relaxation;
    lp.Cover(pieces);
    const double unit = CommonUnit(types, settings.Knapsack);
    Relaxation relaxation;
    while (!budget.Over()) {
        if (!lp.Solve(budget)) {
            break;
        }
        relaxation.Bars = lp.Bars();
        relaxation.PieceWorths = lp.PieceWorths();
        std::vector<KnapsackItem> items;
        for (std::size_t t = 0; t < pieces.size(); ++t) {
            items.push_back({static_cast<double>(types.Types[t].Length), relaxation.PieceWorths[t],
                             pieces[t], static_cast<std::int32_t>(t)});
        }
        const KnapsackOutcome priced = MostValuablePatterns(
            std::move(items), static_cast<double>(types.BarLength), tuning.WorthMore,
            tuning.PatternsPerRound, tuning.PricingNodes, unit, settings.Knapsack, budget);
        // Scaled down by the best pattern's worth the piece worths are
        // feasible, so the optimum is at least Bars over that worth.
        if (priced.UpperBound > 0.0) {
            relaxation.Unsettled =
                std::max(0.0, relaxation.Bars - relaxation.Bars / std::max(1.0, priced.UpperBound));
        }
        bool added = false;
        for (const Pattern& candidate : priced.Found) {
            Pattern pattern = Passing(candidate, types);
            if (WorthOf(pattern, relaxation.PieceWorths) > tuning.WorthMore && lp.Add(pattern)) {
                added = true;
            }
        }
        if (!added) {
            relaxation.Solved = priced.Complete;
            if (relaxation.Solved) {
                relaxation.Unsettled = 0.0;
            }
            break;
        }
    }
    for (const auto& [pattern, bars] : lp.InUse()) {
        relaxation.InUse.emplace_back(*pattern, bars);
    }
    return relaxation;
}
