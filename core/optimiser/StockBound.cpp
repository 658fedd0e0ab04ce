#include "core/optimiser/StockBound.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <numeric>

double StockLowerBound(const PieceTypes& types, const StockRack& rack) {
    float longestBar = 0.0f;
    for (const float usable : rack.Usable) {
        longestBar = std::max(longestBar, usable);
    }
    if (types.Types.empty() || !(longestBar > 0.0f)) {
        return 0.0;
    }
    const double allowance = std::ldexp(1.0, std::ilogb(longestBar) - 24);
    long double total = 0.0L;
    for (const PieceType& type : types.Types) {
        total += std::max(0.0L, static_cast<long double>(type.Length) - allowance) *
                 static_cast<long double>(type.Pieces);
    }
    std::vector<std::size_t> lines;
    for (std::size_t s = 0; s < rack.Size(); ++s) {
        if (rack.Usable[s] > 0.0f && rack.OnHand[s] > 0) {
            lines.push_back(s);
        }
    }
    std::sort(lines.begin(), lines.end(), [&](std::size_t a, std::size_t b) {
        return rack.Worth[a] / rack.Usable[a] < rack.Worth[b] / rack.Usable[b];
    });
    long double bound = 0.0L;
    for (const std::size_t s : lines) {
        if (!(total > 0.0L)) {
            break;
        }
        const long double capacity =
            static_cast<long double>(rack.Usable[s]) * static_cast<long double>(rack.OnHand[s]);
        const long double taken = std::min(total, capacity);
        bound += taken / rack.Usable[s] * rack.Worth[s];
        total -= taken;
    }
    double single = std::numeric_limits<double>::infinity();
    for (const std::size_t s : lines) {
        if (rack.Usable[s] >= types.Types.front().Length) {
            single = std::min(single, rack.Worth[s]);
        }
    }
    const double bars = static_cast<double>(bound) * (1.0 - 1e-9);
    return std::isfinite(single) ? std::max(bars, single) : bars;
}
