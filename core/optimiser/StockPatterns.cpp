#include "core/optimiser/StockPatterns.h"

#include <algorithm>
#include <cmath>

namespace {

// Objectives are sums of a few thousand worths: within this share of each
// other they count as the same.
bool Below(double a, double b) {
    return a < b - 1e-9 * std::max(1.0, std::fabs(b));
}

}  // namespace

StockRack::StockRack(const StockList& stock) {
    for (std::size_t line = 0; line < stock.Lengths.size(); ++line) {
        Usable.push_back(stock.Usable(line));
        Worth.push_back(stock.Worth(line));
        OnHand.push_back(stock.Lengths[line].OnHand.value_or(kUnlimited));
    }
}

double WorthOf(const std::vector<StockPattern>& uses, const StockRack& rack) {
    double worth = 0.0;
    for (const StockPattern& use : uses) {
        worth += rack.Worth[static_cast<std::size_t>(use.Stock)] * static_cast<double>(use.Bars);
    }
    return worth;
}

std::int64_t BarsOf(const std::vector<StockPattern>& uses) {
    std::int64_t bars = 0;
    for (const StockPattern& use : uses) {
        bars += use.Bars;
    }
    return bars;
}

bool StockPlanKey::operator<(const StockPlanKey& other) const {
    if (Below(Worth, other.Worth)) {
        return true;
    }
    if (Below(other.Worth, Worth)) {
        return false;
    }
    if (Bars != other.Bars) {
        return Bars < other.Bars;
    }
    return Below(other.Gathered, Gathered);
}

StockPlanKey KeyOf(const std::vector<StockPattern>& uses, const PieceTypes& types,
                   const StockRack& rack) {
    StockPlanKey key{WorthOf(uses, rack), BarsOf(uses), 0.0};
    for (const StockPattern& use : uses) {
        const double left =
            LeftIn(rack.Usable[static_cast<std::size_t>(use.Stock)], use.Bar, types).value_or(0.0f);
        key.Gathered += left * left * static_cast<double>(use.Bars);
    }
    return key;
}
