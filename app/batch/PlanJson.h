#pragma once

#include <ostream>

#include "core/CuttingPlan.h"

// The plan as JSON members, each line starting ",\n": "plan", every bar with
// its stockLength, its pieces' decimal lengths (without the cut width) in
// the report's order and its leftover; planned from stock also "stockUsed"
// (bars per stock length), "totalCost" (null without costs) and
// "totalStockLength". Without a plan, "plan" is null.
void WritePlanJson(std::ostream& out, const CuttingPlan* plan);
