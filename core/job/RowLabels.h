#pragma once

#include <vector>

#include "core/plan/CuttingPlan.h"
#include "model/TStringGrid.h"

// The Length and Item # texts of cut list rows 1..usedRows, in row order.
std::vector<RowLabel> LabelRows(const TStringGrid& cutList, int usedRows);
