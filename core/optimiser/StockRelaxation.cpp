#include "core/optimiser/StockRelaxation.h"

#include <algorithm>
#include <cmath>

#include "core/optimiser/CostBound.h"
#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/PatternKnapsack.h"

namespace {

struct Pricing {
    std::vector<Pattern> Found;  // worth more than the bar
    double UpperBound = 0.0;     // no pattern of the line is worth more
};

// The most valuable patterns of one stock length. Off a common grid each
// piece is counted short by the most the 32-bit test's rounding gives back,
// so that no pattern the test lets through is missed by the bound; and by
// 2^-40 of the bar more, which outweighs the roundings of the knapsack's own
// double arithmetic.
Pricing Price(const PieceTypes& types, const std::vector<std::int64_t>& left, float usable,
              const std::vector<double>& worths, double threshold,
              const OptimiserSettings& settings) {
    PieceTypes onBar = types;
    onBar.BarLength = usable;
    const double unit = CommonUnit(onBar, settings.Knapsack);
    const double allowance =
        std::ldexp(1.0, std::ilogb(usable) - 24) + std::ldexp(static_cast<double>(usable), -40);
    std::vector<KnapsackItem> items;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        const double length =
            static_cast<double>(types.Types[t].Length) - (unit > 0.0 ? 0.0 : allowance);
        if (worths[t] > 0.0 && length > 0.0 && left[t] > 0) {
            items.push_back({length, worths[t], left[t], static_cast<std::int32_t>(t)});
        }
    }
    const KnapsackOutcome outcome = MostValuablePatterns(
        items, static_cast<double>(usable), threshold, settings.Stock.PatternsPerPricing,
        settings.Stock.PricingNodes, unit, settings.Knapsack);
    Pricing pricing;
    pricing.UpperBound = outcome.UpperBound;
    for (Pattern pattern : outcome.Found) {
        std::sort(pattern.begin(), pattern.end(),
                  [](const TypeCount& a, const TypeCount& b) { return a.Type < b.Type; });
        // Counted short, a pattern may not pass the bar's own test.
        if (LeftIn(usable, pattern, types)) {
            pricing.Found.push_back(std::move(pattern));
        }
    }
    return pricing;
}

}  // namespace

StockRelaxer::StockRelaxer(const PieceTypes& types, const StockRack& rack,
                           const OptimiserSettings& settings)
    : types_(types), rack_(rack), settings_(settings) {
    std::vector<std::int64_t> counts;
    for (const PieceType& type : types.Types) {
        counts.push_back(type.Pieces);
    }
    std::vector<LpLine> lines;
    for (std::size_t s = 0; s < rack.Size(); ++s) {
        lines.push_back({rack.Worth[s], std::nullopt});
        if (rack.OnHand[s] < StockRack::kUnlimited) {
            lines.back().Most = rack.OnHand[s];
        }
    }
    lp_ = std::make_unique<CuttingStockLp>(counts, lines);
    // The fullest bar of each length of each line starts the relaxation.
    for (std::size_t s = 0; s < rack.Size(); ++s) {
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            float room = rack.Usable[s];
            std::int64_t count = 0;
            while (count < types.Types[t].Pieces && room >= types.Types[t].Length) {
                room = room - types.Types[t].Length;
                ++count;
            }
            if (count > 0) {
                lp_->Add({{static_cast<std::int32_t>(t), count}}, static_cast<std::int32_t>(s));
            }
        }
    }
}

StockRelaxer::~StockRelaxer() = default;

StockRelaxation StockRelaxer::Relax(const std::vector<std::int64_t>& left,
                                    const std::vector<std::int64_t>& onHand,
                                    const PlanningBudget& budget) {
    StockRelaxation relaxation;
    std::int64_t pieces = 0;
    for (const std::int64_t count : left) {
        pieces += count;
    }
    if (pieces == 0) {
        return relaxation;
    }
    lp_->Cover(left);
    for (std::size_t s = 0; s < rack_.Size(); ++s) {
        if (rack_.OnHand[s] < StockRack::kUnlimited) {
            lp_->Limit(static_cast<std::int32_t>(s), onHand[s]);
        }
    }
    // A line whose pricing found nothing rests until the others find nothing
    // either; then every line is priced again, and only such a round bounds
    // the job.
    std::vector<bool> resting(rack_.Size(), false);
    bool everyLine = true;
    for (int round = 0; round < settings_.Stock.MostRounds && !budget.Over(); ++round) {
        const bool optimal = lp_->Solve(budget.SecondsLeft());
        const std::vector<double> worths = lp_->PieceWorths();
        const std::vector<double> lineWorths = lp_->LineWorths();
        long double total = 0.0L;
        for (std::size_t t = 0; t < types_.Types.size(); ++t) {
            total += static_cast<long double>(worths[t]) * static_cast<long double>(left[t]);
        }
        std::vector<LineWorth> bounds;
        bool added = false;
        for (std::size_t s = 0; s < rack_.Size(); ++s) {
            if (!(rack_.Usable[s] > 0.0f) || onHand[s] <= 0 || (!everyLine && resting[s])) {
                continue;
            }
            const double threshold = (rack_.Worth[s] + lineWorths[s]) * (1.0 + 1e-9) + 1e-9;
            const Pricing pricing =
                Price(types_, left, rack_.Usable[s], worths, threshold, settings_);
            bounds.push_back({rack_.Worth[s], pricing.UpperBound,
                              static_cast<double>(std::min(onHand[s], pieces))});
            bool found = false;
            for (const Pattern& pattern : pricing.Found) {
                found = lp_->Add(pattern, static_cast<std::int32_t>(s)) || found;
            }
            resting[s] = !found;
            added = added || found;
        }
        if (everyLine) {
            relaxation.LowerBound =
                std::max(relaxation.LowerBound, LeastCostForWorth(total, bounds));
            if (!added) {
                relaxation.Solved = optimal;
                break;
            }
        }
        everyLine = !added;
    }
    for (const LineUse& use : lp_->InUseOnLines()) {
        relaxation.InUse.push_back({{use.Line, *use.Bar, 1}, use.Bars});
    }
    return relaxation;
}
