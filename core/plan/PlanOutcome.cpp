#include "core/plan/PlanOutcome.h"

#include <algorithm>

std::shared_ptr<const CuttingPlan> SharedPlan(CuttingPlan plan, const PreparedCutList& cutList) {
    const int usedRows = std::clamp<int>(cutList.UsedRows, 0, PreparedCutList::kCapacity);
    plan.RowLabels = cutList.RowLabels;
    plan.PieceLengths.assign(cutList.PieceLen.begin() + 1, cutList.PieceLen.begin() + 1 + usedRows);
    return std::make_shared<const CuttingPlan>(std::move(plan));
}
