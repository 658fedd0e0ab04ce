#include "core/optimiser/BarLowerBound.h"

#include <algorithm>
#include <cmath>

#include "core/optimiser/PatternKnapsack.h"

namespace {

// Every free length lies between 0 and the bar length, so one rounding after
// a piece moves it by at most half a unit in the last place of the bar length.
double RoundingAllowance(float barLength) {
    if (!(barLength > 0.0f) || !std::isfinite(barLength)) {
        return 0.0;
    }
    return std::ldexp(1.0, std::ilogb(barLength) - 24);
}

double CountedLength(const PieceTypes& types, std::size_t type) {
    return static_cast<double>(types.Types[type].Length) - RoundingAllowance(types.BarLength);
}

// Off the grid the knapsack takes lengths off the free length in double
// arithmetic, each step rounding by at most 2^-53 of the bar; shortening every
// piece by 2^-40 of the bar more than the 32-bit allowance outweighs those
// roundings for up to 2^13 steps, so that no pattern the bar's own test lets
// through is missed.
double KnapsackLength(const PieceTypes& types, std::size_t type) {
    return CountedLength(types, type) - std::ldexp(static_cast<double>(types.BarLength), -40);
}

// Rounds a ratio up to whole bars. The sums that made it are of at most a few
// thousand exact products in long double, so they are off by far less than
// the margin taken off here: the bars are never rounded up past the ratio.
std::int64_t WholeBars(long double ratio) {
    if (!(ratio > 0.0L)) {
        return 0;
    }
    if (!(ratio < 0x1p62L)) {
        return std::int64_t{1} << 62;
    }
    return static_cast<std::int64_t>(std::ceil(ratio - 1e-9L * std::max(1.0L, ratio)));
}

// The piece worths as whole numbers: scaled by a power of two and rounded
// down, so that they are still worths any bound allows, small enough that a
// pattern's worth, and the worth of all pieces, add up exactly in double and
// 64-bit arithmetic.
std::vector<double> WholeWorths(const std::vector<double>& worths,
                                const std::vector<std::int64_t>& pieces) {
    long double total = 0.0L;
    for (std::size_t t = 0; t < worths.size(); ++t) {
        if (pieces[t] > 0 && worths[t] > 0.0) {
            total += static_cast<long double>(worths[t]) * static_cast<long double>(pieces[t]);
        }
    }
    std::vector<double> whole(worths.size(), 0.0);
    if (!(total > 0.0L) || !std::isfinite(static_cast<double>(total))) {
        return whole;
    }
    // A bar holds no more than all pieces, so 2^50 for all of them keeps every
    // pattern's sum exact in double and the total within 64 bits.
    const int scale = 50 - std::ilogb(static_cast<double>(total)) - 1;
    for (std::size_t t = 0; t < worths.size(); ++t) {
        if (pieces[t] > 0 && worths[t] > 0.0) {
            whole[t] = std::floor(std::ldexp(worths[t], scale));
        }
    }
    return whole;
}

}  // namespace

std::int64_t LengthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces) {
    // Without a bar length (planning from stock before one is chosen) there
    // is nothing to count bars of.
    if (!(types.BarLength > 0.0f)) {
        return 0;
    }
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
                        const std::vector<double>& worths, const OptimiserSettings& settings,
                        const PlanningBudget& budget) {
    // On a common grid the 32-bit test is exact and lengths count in full.
    const double unit = CommonUnit(types, settings.Knapsack);
    const std::vector<double> whole = WholeWorths(worths, pieces);
    std::vector<KnapsackItem> items;
    std::int64_t total = 0;
    for (std::size_t t = 0; t < types.Types.size(); ++t) {
        const double length =
            unit > 0.0 ? static_cast<double>(types.Types[t].Length) : KnapsackLength(types, t);
        // A piece counted as no length could fill a bar without end: it is
        // given no worth, which any bound allows.
        if (pieces[t] > 0 && whole[t] > 0.0 && length > 0.0) {
            items.push_back({length, whole[t], pieces[t], static_cast<std::int32_t>(t)});
            total += static_cast<std::int64_t>(whole[t]) * pieces[t];
        }
    }
    if (total == 0) {
        return 0;
    }
    const KnapsackOutcome best =
        MostValuablePatterns(items, static_cast<double>(types.BarLength), 0.0, 1,
                             settings.Relaxation.BoundNodes, unit, settings.Knapsack, budget);
    // Whole worths make a complete search's best exact: a branch it cut could
    // only have beaten it by a whole worth, far more than its roundings. A
    // search cut short leaves the fractional bound, rounded up with room.
    const double most =
        best.Complete ? best.Best : std::ceil(best.UpperBound * (1.0 + 1e-12)) + 1.0;
    if (!(most >= 1.0)) {
        return 0;
    }
    // Any plan's bars hold all pieces, each bar worth at most `most`.
    const auto perBar = static_cast<std::int64_t>(most);
    return total / perBar + (total % perBar != 0 ? 1 : 0);
}

double BoundLength(const PieceTypes& types, std::size_t type, double unit) {
    return unit > 0.0 ? static_cast<double>(types.Types[type].Length) : KnapsackLength(types, type);
}

// The worths and the knapsack's best are sums of a few thousand doubles, off
// by a few thousand times 2^-53 of themselves at most; WholeBars' margin of
// 1e-9 of the ratio outweighs that.
std::int64_t BarsForWorth(long double totalWorth, double mostPerBar) {
    if (!(mostPerBar > 0.0)) {
        return 0;
    }
    return WholeBars(totalWorth / static_cast<long double>(mostPerBar));
}
