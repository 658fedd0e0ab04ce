#include "core/plan/PlanOutcome.h"

std::shared_ptr<const CuttingPlan> SharedPlan(CuttingPlan plan, const PreparedCutList& cutList) {
    plan.Rows = cutList.Rows;
    return std::make_shared<const CuttingPlan>(std::move(plan));
}
