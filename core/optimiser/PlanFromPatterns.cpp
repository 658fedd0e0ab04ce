#include "core/optimiser/PlanFromPatterns.h"

#include <algorithm>

#include "core/optimiser/PatternBars.h"

namespace {

std::vector<PatternUse> InReportOrder(std::vector<PatternUse> uses) {
    std::erase_if(uses, [](const PatternUse& use) { return use.Bars <= 0 || use.Bar.empty(); });
    std::sort(uses.begin(), uses.end(), [](const PatternUse& a, const PatternUse& b) {
        return PatternStandsBefore(a.Bar, b.Bar);
    });
    std::vector<PatternUse> merged;
    for (PatternUse& use : uses) {
        if (!merged.empty() && merged.back().Bar == use.Bar) {
            merged.back().Bars += use.Bars;
        } else {
            merged.push_back(std::move(use));
        }
    }
    return merged;
}

}  // namespace

CuttingPlan PlanFromPatterns(const PreparedCutList& cutList, const PieceTypes& types,
                             std::vector<PatternUse> uses) {
    CuttingPlan plan;
    plan.BarLength = cutList.BarLength;
    plan.CutWidth = cutList.CutWidth;
    plan.ScrapBelow = cutList.ScrapBelow;

    PatternBarWriter writer(cutList, types);
    for (const PatternUse& use : InReportOrder(std::move(uses))) {
        writer.Write(use.Bar, use.Bars, LeftoverOf(use.Bar, types).value_or(0.0f), plan);
    }

    // A job without pieces still shows its one empty bar, as the nesting does.
    if (plan.Bars.empty()) {
        plan.Bars.push_back({0, 0, cutList.BarLength});
    }
    FinishPatternPlan(cutList, types, plan);
    return plan;
}
