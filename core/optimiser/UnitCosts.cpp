#include "core/optimiser/UnitCosts.h"

#include <algorithm>
#include <cmath>
#include <numeric>

namespace {

// Grains tried, finest last: whole numbers, then tenths down to a
// hundred-thousandth.
constexpr int kMostDecimals = 5;
// Costs in units stay far inside the doubles' whole numbers, so that sums of
// thousands of bars are exact.
constexpr double kMostUnits = 0x1p40;

bool WholeNumber(double value) {
    return std::isfinite(value) &&
           std::fabs(value - std::round(value)) <= 1e-9 * std::max(1.0, std::fabs(value));
}

}  // namespace

UnitCosts CostsInUnits(const std::vector<double>& worths, std::int64_t pieces) {
    UnitCosts costs;
    costs.Cost = worths;
    if (worths.empty() || pieces <= 0 || pieces > (std::int64_t{1} << 30) ||
        std::any_of(worths.begin(), worths.end(), [](double w) { return !(w >= 0.0); })) {
        return costs;
    }
    double scale = 1.0;
    for (int decimals = 0; decimals <= kMostDecimals; ++decimals, scale *= 10.0) {
        if (!std::all_of(worths.begin(), worths.end(),
                         [&](double w) { return WholeNumber(w * scale); })) {
            continue;
        }
        std::int64_t grains = 0;
        for (const double worth : worths) {
            if (!(worth * scale < kMostUnits)) {
                return costs;
            }
            grains = std::gcd(grains, static_cast<std::int64_t>(std::llround(worth * scale)));
        }
        if (grains == 0) {
            return costs;
        }
        const std::int64_t perGrain = pieces + 1;
        std::vector<double> units;
        for (const double worth : worths) {
            const double inGrains = static_cast<double>(std::llround(worth * scale) / grains);
            units.push_back(inGrains * static_cast<double>(perGrain) + 1.0);
            if (!(units.back() * static_cast<double>(pieces) < kMostUnits * 1024.0)) {
                return costs;
            }
        }
        costs.Cost = std::move(units);
        costs.Whole = true;
        costs.Grain = static_cast<double>(grains) / scale;
        costs.PerGrain = perGrain;
        return costs;
    }
    return costs;
}

double UnitCosts::ObjectiveAtLeast(double units) const {
    if (!Whole) {
        return units;
    }
    if (!(units > 0.0)) {
        return 0.0;
    }
    // A plan of k grains and b < PerGrain bars costs k * PerGrain + b units;
    // whole numbers divide exactly where a quotient in double might round up.
    if (!(units < 0x1p62)) {
        return units / static_cast<double>(PerGrain) * Grain;
    }
    const auto whole = static_cast<std::int64_t>(std::floor(units));
    return static_cast<double>(whole / PerGrain) * Grain;
}

double UnitCosts::UnitsAtLeast(double objective) const {
    if (!Whole) {
        return objective;
    }
    if (!(objective > 0.0) || !std::isfinite(objective)) {
        return 0.0;
    }
    // Short of the exact product by far more than its roundings.
    return std::ceil(objective / Grain * static_cast<double>(PerGrain) * (1.0 - 1e-9));
}

double UnitCosts::RoundUp(double units) const {
    return Whole ? std::ceil(units) : units;
}
