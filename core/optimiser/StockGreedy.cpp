#include "core/optimiser/StockGreedy.h"

#include <algorithm>

#include "core/optimiser/PatternKnapsack.h"

namespace {

// The fullest bar of the given usable length that the pieces left can make,
// checked by the 32-bit test.
Pattern FullestBar(const PieceTypes& types, const std::vector<std::int64_t>& left, float usable,
                   const PlanningBudget& budget, bool search, const OptimiserSettings& settings) {
    Pattern bar;
    if (search) {
        std::vector<KnapsackItem> items;
        for (std::size_t t = 0; t < types.Types.size(); ++t) {
            const double length = types.Types[t].Length;
            if (left[t] > 0) {
                items.push_back({length, length, left[t], static_cast<std::int32_t>(t)});
            }
        }
        PieceTypes onBar = types;
        onBar.BarLength = usable;
        const KnapsackOutcome found = MostValuablePatterns(
            items, static_cast<double>(usable), 0.0, 1, settings.Stock.GreedyNodes,
            CommonUnit(onBar, settings.Knapsack), settings.Knapsack, budget);
        if (!found.Found.empty()) {
            bar = found.Found.front();
        }
        std::sort(bar.begin(), bar.end(),
                  [](const TypeCount& a, const TypeCount& b) { return a.Type < b.Type; });
        // The sums of the search are exact; the bar's own test may fall short.
        while (!bar.empty() && !LeftIn(usable, bar, types)) {
            if (--bar.back().Count == 0) {
                bar.pop_back();
            }
        }
    }
    // First fit, longest first, adds what the search left room for.
    float free = bar.empty() ? usable : *LeftIn(usable, bar, types);
    Pattern filled;
    std::size_t at = 0;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        std::int64_t count = 0;
        if (at < bar.size() && bar[at].Type == static_cast<std::int32_t>(t)) {
            count = bar[at++].Count;
        }
        const float length = types.Types[t].Length;
        while (count < left[t] && free >= length) {
            free = free - length;
            ++count;
        }
        if (count > 0) {
            filled.push_back({static_cast<std::int32_t>(t), count});
        }
    }
    if (!LeftIn(usable, filled, types)) {
        return bar;
    }
    return filled;
}

double LengthOf(const Pattern& bar, const PieceTypes& types) {
    double length = 0.0;
    for (const TypeCount& entry : bar) {
        length += static_cast<double>(types.Types[static_cast<std::size_t>(entry.Type)].Length) *
                  static_cast<double>(entry.Count);
    }
    return length;
}

}  // namespace

std::optional<std::vector<StockPattern>> PlanGreedily(const PieceTypes& types,
                                                      const StockRack& rack,
                                                      const PlanningBudget& budget,
                                                      std::vector<std::int64_t>& left,
                                                      const OptimiserSettings& settings) {
    std::vector<std::int64_t> onHand = rack.OnHand;
    std::vector<StockPattern> uses;
    // Once the budget is over, first fit alone finishes the plan.
    bool search = true;
    for (;;) {
        if (std::all_of(left.begin(), left.end(), [](std::int64_t n) { return n == 0; })) {
            break;
        }
        search = search && !budget.Over();
        std::optional<StockPattern> best;
        double bestRatio = 0.0;
        double bestLength = 0.0;
        for (std::size_t s = 0; s < rack.Size(); ++s) {
            if (onHand[s] <= 0 || !(rack.Usable[s] > 0.0f)) {
                continue;
            }
            Pattern bar = FullestBar(types, left, rack.Usable[s], budget, search, settings);
            if (bar.empty()) {
                continue;
            }
            const double length = LengthOf(bar, types);
            const double ratio = rack.Worth[s] / length;
            if (!best || ratio < bestRatio || (ratio == bestRatio && length > bestLength)) {
                best = StockPattern{static_cast<std::int32_t>(s), std::move(bar), 1};
                bestRatio = ratio;
                bestLength = length;
            }
        }
        if (!best) {
            return std::nullopt;
        }
        std::int64_t copies = onHand[static_cast<std::size_t>(best->Stock)];
        for (const TypeCount& entry : best->Bar) {
            copies = std::min(copies, left[static_cast<std::size_t>(entry.Type)] / entry.Count);
        }
        best->Bars = copies;
        onHand[static_cast<std::size_t>(best->Stock)] -= copies;
        for (const TypeCount& entry : best->Bar) {
            left[static_cast<std::size_t>(entry.Type)] -= entry.Count * copies;
        }
        uses.push_back(std::move(*best));
    }
    MoveToCheaperStock(uses, types, rack);
    return uses;
}

void MoveToCheaperStock(std::vector<StockPattern>& uses, const PieceTypes& types,
                        const StockRack& rack) {
    std::vector<std::int64_t> onHand = rack.OnHand;
    for (const StockPattern& use : uses) {
        onHand[static_cast<std::size_t>(use.Stock)] -= use.Bars;
    }
    std::vector<StockPattern> moved;
    for (StockPattern& use : uses) {
        while (use.Bars > 0) {
            std::size_t to = static_cast<std::size_t>(use.Stock);
            for (std::size_t s = 0; s < rack.Size(); ++s) {
                if (onHand[s] > 0 && rack.Worth[s] < rack.Worth[to] &&
                    LeftIn(rack.Usable[s], use.Bar, types)) {
                    to = s;
                }
            }
            if (to == static_cast<std::size_t>(use.Stock)) {
                break;
            }
            const std::int64_t count = std::min(use.Bars, onHand[to]);
            onHand[to] -= count;
            onHand[static_cast<std::size_t>(use.Stock)] += count;
            use.Bars -= count;
            moved.push_back({static_cast<std::int32_t>(to), use.Bar, count});
        }
    }
    std::erase_if(uses, [](const StockPattern& use) { return use.Bars == 0; });
    uses.insert(uses.end(), moved.begin(), moved.end());
}
