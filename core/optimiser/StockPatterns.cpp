#include "core/optimiser/StockPatterns.h"

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
