#include "core/optimiser/ColumnGeneration.h"

#include "core/optimiser/PatternKnapsack.h"

namespace {

constexpr double kWorthMore = 1.0 + 1e-9;
constexpr std::size_t kPatternsPerRound = 2;
constexpr std::int64_t kPricingNodes = 300000;

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
                           const std::vector<std::int64_t>& pieces, const PlanningBudget& budget) {
    lp.Cover(pieces);
    const double unit = CommonUnit(types);
    Relaxation relaxation;
    while (!budget.Over()) {
        if (!lp.Solve(budget.SecondsLeft())) {
            break;
        }
        relaxation.Bars = lp.Bars();
        relaxation.PieceWorths = lp.PieceWorths();
        std::vector<KnapsackItem> items;
        for (std::size_t t = 0; t < pieces.size(); ++t) {
            items.push_back({static_cast<double>(types.Types[t].Length), relaxation.PieceWorths[t],
                             pieces[t], static_cast<std::int32_t>(t)});
        }
        const KnapsackOutcome priced =
            MostValuablePatterns(std::move(items), static_cast<double>(types.BarLength), kWorthMore,
                                 kPatternsPerRound, kPricingNodes, unit);
        bool added = false;
        for (const Pattern& candidate : priced.Found) {
            Pattern pattern = Passing(candidate, types);
            if (WorthOf(pattern, relaxation.PieceWorths) > kWorthMore && lp.Add(pattern)) {
                added = true;
            }
        }
        if (!added) {
            relaxation.Solved = priced.Complete;
            break;
        }
    }
    for (const auto& [pattern, bars] : lp.InUse()) {
        relaxation.InUse.emplace_back(*pattern, bars);
    }
    return relaxation;
}
