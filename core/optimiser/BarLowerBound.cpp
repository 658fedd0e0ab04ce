#include "core/optimiser/BarLowerBound.h"

#include <cmath>

#include "core/optimiser/PatternKnapsack.h"

namespace {

// Every free length lies between 0 and the bar length, so one rounding after
// a piece moves it by at most half a unit in the last place of the bar length.
double RoundingAllowance(float barLength) {
    return std::ldexp(1.0, std::ilogb(barLength) - 24);
}

double CountedLength(const PieceTypes& types, std::size_t type) {
    return static_cast<double>(types.Types[type].Length) - RoundingAllowance(types.BarLength);
}

// Rounds a ratio up to whole bars, allowing for the rounding of the sums that
// made it.
std::int64_t WholeBars(long double ratio) {
    if (!(ratio > 0.0L)) {
        return 0;
    }
    return static_cast<std::int64_t>(std::ceil(ratio - 1e-9L * std::max(1.0L, ratio)));
}

}  // namespace

std::int64_t LengthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces) {
    long double total = 0.0L;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        const double length = CountedLength(types, t);
        if (length > 0.0) {
            total += static_cast<long double>(length) * static_cast<long double>(pieces[t]);
        }
    }
    return WholeBars(total / static_cast<long double>(types.BarLength));
}

std::int64_t WorthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
                        const std::vector<double>& worths, const OptimiserSettings& settings) {
    // On a common grid the 32-bit test is exact and lengths count in full.
    const double unit = CommonUnit(types, settings.Knapsack);
    std::vector<KnapsackItem> items;
    long double total = 0.0L;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        const double length =
            unit > 0.0 ? static_cast<double>(types.Types[t].Length) : CountedLength(types, t);
        // A piece counted as no length could fill a bar without end: it is
        // given no worth, which any bound allows.
        if (pieces[t] > 0 && worths[t] > 0.0 && length > 0.0) {
            items.push_back({length, worths[t], pieces[t], static_cast<std::int32_t>(t)});
            total += static_cast<long double>(worths[t]) * static_cast<long double>(pieces[t]);
        }
    }
    const KnapsackOutcome best =
        MostValuablePatterns(items, static_cast<double>(types.BarLength), 0.0, 1,
                             settings.Relaxation.BoundNodes, unit, settings.Knapsack);
    if (!(best.UpperBound > 0.0)) {
        return 0;
    }
    return WholeBars(total / static_cast<long double>(best.UpperBound));
}

double BoundLength(const PieceTypes& types, std::size_t type, double unit) {
    return unit > 0.0 ? static_cast<double>(types.Types[type].Length) : CountedLength(types, type);
}

std::int64_t BarsForWorth(long double totalWorth, double mostPerBar) {
    if (!(mostPerBar > 0.0)) {
        return 0;
    }
    return WholeBars(totalWorth / static_cast<long double>(mostPerBar));
}
