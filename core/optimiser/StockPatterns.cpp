#include "core/optimiser/StockPatterns.h"

StockRack::StockRack(const StockList& stock) {
    for (std::size_t line = 0; line < stock.Lengths.size(); ++line) {
        Usable.push_back(stock.Usable(line));
        Worth.push_back(stock.Worth(line));
        OnHand.push_back(stock.Lengths[line].OnHand.value_or(kUnlimited));
    }
}

std::optional<float> LeftIn(float usable, const Pattern& pattern, const PieceTypes& types) {
    float left = usable;
    for (const TypeCount& entry : pattern) {
        const float length = types.Types[static_cast<std::size_t>(entry.Type)].Length;
        for (std::int64_t piece = 0; piece < entry.Count; ++piece) {
            if (!(left >= length)) {
                return std::nullopt;
            }
            left = left - length;
        }
    }
    return left;
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
