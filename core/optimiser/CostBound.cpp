#include "core/optimiser/CostBound.h"

#include <algorithm>
#include <cmath>

namespace {

// The sums below have a few terms per line, each a product of two doubles;
// their roundings are a few times 2^-64 of the magnitudes summed, far below
// this share of them.
constexpr long double kMargin = 1e-9L;

// The bound at one scale, and the magnitude of its terms.
std::pair<long double, long double> AtScale(long double scale, long double totalWorth,
                                            const std::vector<LineWorth>& lines) {
    long double bound = scale * totalWorth;
    long double magnitude = bound;
    for (const LineWorth& line : lines) {
        const long double gain =
            scale * static_cast<long double>(line.MostPerBar) - static_cast<long double>(line.Cost);
        if (gain > 0.0L) {
            bound -= gain * static_cast<long double>(line.MostBars);
            magnitude += (scale * static_cast<long double>(line.MostPerBar) +
                          static_cast<long double>(line.Cost)) *
                         static_cast<long double>(line.MostBars);
        }
    }
    return {bound, magnitude};
}

}  // namespace

double LeastCostForWorth(long double totalWorth, const std::vector<LineWorth>& lines) {
    if (!(totalWorth > 0.0L) || !std::isfinite(static_cast<double>(totalWorth))) {
        return 0.0;
    }
    std::vector<long double> scales{1.0L};
    for (const LineWorth& line : lines) {
        if (line.MostPerBar > 0.0 && std::isfinite(line.MostPerBar)) {
            scales.push_back(static_cast<long double>(line.Cost) /
                             static_cast<long double>(line.MostPerBar));
        }
    }
    long double best = 0.0L;
    for (const long double scale : scales) {
        if (!(scale >= 0.0L) || !std::isfinite(static_cast<double>(scale))) {
            continue;
        }
        const auto [bound, magnitude] = AtScale(scale, totalWorth, lines);
        best = std::max(best, bound - kMargin * magnitude);
    }
    return std::isfinite(static_cast<double>(best)) ? static_cast<double>(best) : 0.0;
}
