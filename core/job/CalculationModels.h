#pragma once

#include "model/ReportLines.h"
#include "model/TStringGrid.h"

// The models Calculate reads and writes: the cut list grid (5 columns, heading
// row 0, data rows below), the bar settings grid (2 columns, 5 rows) and the
// report lines.
struct CalculationModels {
    TStringGrid& CutList;
    TStringGrid& BarSettings;
    ReportLines& Report;
};
