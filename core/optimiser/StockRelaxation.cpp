#include "core/optimiser/StockRelaxation.h"

#include <ClpSimplex.hpp>

#include <algorithm>
#include <cmath>
#include <set>

#include "core/optimiser/LpWithinBudget.h"
#include "core/optimiser/PatternKnapsack.h"

namespace {

class StockLp {
  public:
    StockLp(const PieceTypes& types, const StockRack& rack) : types_(types), rack_(rack) {
        model_.setLogLevel(0);
        const int typeCount = static_cast<int>(types.Types.size());
        for (std::size_t s = 0; s < rack.Size(); ++s) {
            capacityRow_.push_back(rack.OnHand[s] < StockRack::kUnlimited ? rows_++ + typeCount
                                                                          : -1);
        }
        model_.resize(typeCount + rows_, 0);
        for (int t = 0; t < typeCount; ++t) {
            model_.setRowLower(
                t, static_cast<double>(types.Types[static_cast<std::size_t>(t)].Pieces));
            model_.setRowUpper(t, COIN_DBL_MAX);
        }
        double dearest = 1.0;
        for (std::size_t s = 0; s < rack.Size(); ++s) {
            dearest = std::max(dearest, rack.Worth[s]);
            if (capacityRow_[s] >= 0) {
                model_.setRowLower(capacityRow_[s], -COIN_DBL_MAX);
                model_.setRowUpper(capacityRow_[s], static_cast<double>(rack.OnHand[s]));
            }
        }
        // Pieces no bar on hand covers stay feasible at a price no plan pays.
        for (int t = 0; t < typeCount; ++t) {
            const double one = 1.0;
            model_.addColumn(1, &t, &one, 0.0, COIN_DBL_MAX, 1000.0 * dearest);
            columns_.push_back({-1, {}, 0});
        }
    }

    bool Add(const StockPattern& pattern) {
        std::vector<std::int64_t> key{pattern.Stock};
        for (const TypeCount& entry : pattern.Bar) {
            key.push_back(entry.Type);
            key.push_back(entry.Count);
        }
        if (!known_.insert(std::move(key)).second) {
            return false;
        }
        std::vector<int> rows;
        std::vector<double> counts;
        for (const TypeCount& entry : pattern.Bar) {
            rows.push_back(entry.Type);
            counts.push_back(static_cast<double>(entry.Count));
        }
        const int capacity = capacityRow_[static_cast<std::size_t>(pattern.Stock)];
        if (capacity >= 0) {
            rows.push_back(capacity);
            counts.push_back(1.0);
        }
        model_.addColumn(static_cast<int>(rows.size()), rows.data(), counts.data(), 0.0,
                         COIN_DBL_MAX, rack_.Worth[static_cast<std::size_t>(pattern.Stock)]);
        columns_.push_back(pattern);
        return true;
    }

    bool Solve(const PlanningBudget& budget) {
        const SolvingWithin within(model_, budget);
        model_.primal();
        return model_.isProvenOptimal();
    }

    std::vector<double> Worths() const {
        std::vector<double> worths(types_.Types.size(), 0.0);
        const double* duals = model_.dualRowSolution();
        for (std::size_t t = 0; t < worths.size(); ++t) {
            worths[t] = std::max(duals[t], 0.0);
        }
        return worths;
    }

    std::vector<std::pair<StockPattern, double>> InUse() const {
        std::vector<std::pair<StockPattern, double>> used;
        const double* bars = model_.primalColumnSolution();
        for (std::size_t column = 0; column < columns_.size(); ++column) {
            if (columns_[column].Stock >= 0 && bars[column] > 1e-9) {
                used.emplace_back(columns_[column], bars[column]);
            }
        }
        return used;
    }

  private:
    const PieceTypes& types_;
    const StockRack& rack_;
    ClpSimplex model_;
    int rows_ = 0;
    std::vector<int> capacityRow_;
    std::vector<StockPattern> columns_;
    std::set<std::vector<std::int64_t>> known_;
};

struct Pricing {
    std::vector<Pattern> Found;  // worth more than the bar
    double UpperBound = 0.0;     // no pattern of the line is worth more
};

// The most valuable patterns of one stock length. Off a common grid each
// piece is counted short by the most the 32-bit test's rounding gives back,
// so that no pattern the test lets through is missed by the bound; and by
// 2^-40 of the bar more, which outweighs the roundings of the knapsack's own
// double arithmetic.
Pricing Price(const PieceTypes& types, float usable, const std::vector<double>& worths,
              double threshold, const PlanningBudget& budget, const OptimiserSettings& settings) {
    PieceTypes onBar = types;
    onBar.BarLength = usable;
    const double unit = CommonUnit(onBar, settings.Knapsack);
    const double allowance =
        std::ldexp(1.0, std::ilogb(usable) - 24) + std::ldexp(static_cast<double>(usable), -40);
    std::vector<KnapsackItem> items;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        const double length =
            static_cast<double>(types.Types[t].Length) - (unit > 0.0 ? 0.0 : allowance);
        if (worths[t] > 0.0 && length > 0.0) {
            items.push_back(
                {length, worths[t], types.Types[t].Pieces, static_cast<std::int32_t>(t)});
        }
    }
    const KnapsackOutcome outcome = MostValuablePatterns(
        items, static_cast<double>(usable), threshold, settings.Stock.PatternsPerPricing,
        settings.Stock.PricingNodes, unit, settings.Knapsack, budget);
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

StockRelaxation RelaxStockPlan(const PieceTypes& types, const StockRack& rack,
                               const PlanningBudget& budget, const OptimiserSettings& settings) {
    StockRelaxation relaxation;
    if (types.Types.empty()) {
        return relaxation;
    }
    StockLp lp(types, rack);
    std::int64_t pieces = 0;
    for (const PieceType& type : types.Types) {
        pieces += type.Pieces;
    }
    // The fullest bar of each length of each line starts the relaxation.
    for (std::size_t s = 0; s < rack.Size(); ++s) {
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            float left = rack.Usable[s];
            std::int64_t count = 0;
            while (count < types.Types[t].Pieces && left >= types.Types[t].Length) {
                left = left - types.Types[t].Length;
                ++count;
            }
            if (count > 0) {
                lp.Add({static_cast<std::int32_t>(s), {{static_cast<std::int32_t>(t), count}}, 1});
            }
        }
    }
    for (int round = 0; round < settings.Stock.MostRounds && !budget.Over(); ++round) {
        const bool optimal = lp.Solve(budget);
        const std::vector<double> worths = lp.Worths();
        // Any piece worths bound every plan: their total, less what the bars
        // on hand could gain where a pattern is worth more than its bar.
        // The terms are few thousand double products, each sum off by at
        // most 2^-53 of the terms' magnitudes so far: a margin of 1e-9 of
        // their magnitude keeps the bound below its exact value, however much
        // the terms cancel.
        double bound = 0.0;
        double magnitude = 0.0;
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            bound += worths[t] * static_cast<double>(types.Types[t].Pieces);
        }
        magnitude += bound;
        bool added = false;
        for (std::size_t s = 0; s < rack.Size(); ++s) {
            if (!(rack.Usable[s] > 0.0f) || rack.OnHand[s] <= 0) {
                continue;
            }
            const double threshold = rack.Worth[s] * (1.0 + 1e-9) + 1e-9;
            const Pricing pricing =
                Price(types, rack.Usable[s], worths, threshold, budget, settings);
            const double gain = pricing.UpperBound - rack.Worth[s];
            if (gain > 0.0) {
                const double bars = static_cast<double>(std::min(rack.OnHand[s], pieces));
                bound -= gain * bars;
                magnitude += (pricing.UpperBound + rack.Worth[s]) * bars;
            }
            for (const Pattern& pattern : pricing.Found) {
                added = lp.Add({static_cast<std::int32_t>(s), pattern, 1}) || added;
            }
        }
        relaxation.LowerBound = std::max(relaxation.LowerBound, bound - 1e-9 * magnitude);
        relaxation.InUse = lp.InUse();
        if (!added) {
            relaxation.Solved = optimal;
            break;
        }
    }
    return relaxation;
}
