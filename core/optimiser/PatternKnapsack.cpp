#include "core/optimiser/PatternKnapsack.h"

#include <algorithm>
#include <cmath>

#include "core/optimiser/KnapsackBranchAndBound.h"
#include "core/optimiser/KnapsackOnGrid.h"

std::int64_t MostThatFit(double weight, double capacity, std::int64_t most) {
    if (capacity < weight) {
        return 0;
    }
    const double estimate = std::floor(capacity / weight);
    if (estimate >= static_cast<double>(most)) {
        return most;
    }
    auto count = static_cast<std::int64_t>(estimate);
    while (count > 0 && static_cast<double>(count) * weight > capacity) {
        --count;
    }
    while (count < most && static_cast<double>(count + 1) * weight <= capacity) {
        ++count;
    }
    return count;
}

std::vector<KnapsackItem> UsableItems(std::vector<KnapsackItem> items, double capacity) {
    std::erase_if(items, [&](const KnapsackItem& item) {
        return !(item.Worth > 0.0) || !(item.Weight > 0.0) || item.Weight > capacity ||
               item.Most <= 0;
    });
    for (KnapsackItem& item : items) {
        item.Most = MostThatFit(item.Weight, capacity, item.Most);
    }
    std::sort(items.begin(), items.end(), [](const KnapsackItem& a, const KnapsackItem& b) {
        return a.Worth * b.Weight > b.Worth * a.Weight;
    });
    return items;
}

double CommonUnit(const PieceTypes& types, const KnapsackSettings& settings) {
    // The lowest set bit of a float's significand, as a power of two.
    auto lowestBit = [](float value) {
        int exponent = 0;
        const double significand = std::frexp(static_cast<double>(value), &exponent);
        auto whole = static_cast<std::uint32_t>(std::ldexp(significand, 24));
        exponent -= 24;
        while (whole != 0 && whole % 2 == 0) {
            whole /= 2;
            ++exponent;
        }
        return exponent;
    };
    if (!(types.BarLength > 0.0f)) {
        return 0.0;
    }
    int exponent = lowestBit(types.BarLength);
    for (const PieceType& type : types.Types) {
        exponent = std::min(exponent, lowestBit(type.Length));
    }
    const double unit = std::ldexp(1.0, exponent);
    return static_cast<double>(types.BarLength) / unit <= settings.MostGridUnits ? unit : 0.0;
}

KnapsackOutcome MostValuablePatterns(std::vector<KnapsackItem> items, double capacity,
                                     double threshold, std::size_t keep, std::int64_t nodeLimit,
                                     double unit, const KnapsackSettings& settings,
                                     const PlanningBudget& budget) {
    items = UsableItems(std::move(items), capacity);
    if (unit > 0.0) {
        if (auto outcome = GridPatterns(items, capacity, threshold, keep, unit, settings, budget)) {
            return *outcome;
        }
    }
    return BranchAndBoundPatterns(std::move(items), capacity, threshold, keep, nodeLimit, budget);
}
