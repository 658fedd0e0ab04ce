#include "core/optimiser/StockPlanOut.h"

#include <algorithm>

#include "core/optimiser/PatternBars.h"

CuttingPlan StockPlanOut(const PreparedCutList& cutList, const PieceTypes& types,
                         const StockList& stock, const StockRack& rack,
                         std::vector<StockPattern> uses) {
    CuttingPlan plan;
    plan.CutWidth = cutList.CutWidth;
    plan.ScrapBelow = cutList.ScrapBelow;
    for (std::size_t s = 0; s < stock.Lengths.size(); ++s) {
        const StockLength& line = stock.Lengths[s];
        plan.Stock.push_back({line.Length, rack.Usable[s], line.Cost, line.LengthText});
        plan.BarLength = std::max(plan.BarLength, line.Length);
    }
    std::erase_if(uses, [](const StockPattern& use) { return use.Bars <= 0 || use.Bar.empty(); });
    std::sort(uses.begin(), uses.end(), [&](const StockPattern& a, const StockPattern& b) {
        const float la = stock.Lengths[static_cast<std::size_t>(a.Stock)].Length;
        const float lb = stock.Lengths[static_cast<std::size_t>(b.Stock)].Length;
        if (la != lb) {
            return la > lb;
        }
        if (a.Stock != b.Stock) {
            return a.Stock < b.Stock;
        }
        return PatternStandsBefore(a.Bar, b.Bar);
    });

    PatternBarWriter writer(cutList, types);
    for (const StockPattern& use : uses) {
        const std::size_t s = static_cast<std::size_t>(use.Stock);
        const float left = LeftIn(rack.Usable[s], use.Bar, types).value_or(0.0f);
        writer.Write(use.Bar, use.Bars, left, plan);
        plan.BarStock.insert(plan.BarStock.end(), static_cast<std::size_t>(use.Bars), use.Stock);
    }
    if (plan.Bars.empty()) {
        plan.Bars.push_back({0, 0, rack.Usable.front()});
        plan.BarStock.push_back(0);
    }
    FinishPatternPlan(cutList, types, plan);
    return plan;
}
