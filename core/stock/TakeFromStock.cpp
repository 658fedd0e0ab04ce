#include "core/stock/TakeFromStock.h"

#include <map>
#include <string>

#include "core/NumberFormat.h"

StockFile TakeFromStock(const StockFile& file, const StockList& stock, const CuttingPlan& plan) {
    StockFile taken = file;
    std::vector<std::int64_t> bars(stock.Lengths.size(), 0);
    for (const std::int32_t line : plan.BarStock) {
        ++bars[static_cast<std::size_t>(line)];
    }
    for (std::size_t s = 0; s < stock.Lengths.size() && s < bars.size(); ++s) {
        const StockLength& length = stock.Lengths[s];
        if (length.OnHand && bars[s] > 0) {
            taken.Lines[length.FileIndex].OnHand = std::to_string(*length.OnHand - bars[s]);
        }
    }
    // Longest offcuts first, each length once with its count.
    std::map<float, std::int64_t, std::greater<>> offcuts;
    for (const PlannedBar& bar : plan.Bars) {
        if (!plan.IsScrap(bar) && bar.Left > 0.0f) {
            ++offcuts[bar.Left];
        }
    }
    const bool costed = stock.Objective == StockObjective::LeastCost;
    for (const auto& [length, count] : offcuts) {
        taken.Lines.push_back(
            {FormatLength(length, '.'), std::to_string(count), costed ? "0" : "", 0});
    }
    return taken;
}
