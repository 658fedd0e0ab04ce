#pragma once

#include "core/plan/CuttingPlan.h"
#include "core/plan/Refusals.h"
#include "core/report/LineSink.h"

struct ReportOptions {
    bool ShortReport = false;  // like neighbouring cut lines of a bar are combined
    char DecimalSeparator = '.';
};

// The short report names every piece by its item number: refused when a
// piece of the plan has none. Checked before anything is written.
Refusal MissingItemNumber(const CuttingPlan& plan, const ReportOptions& options);

// The per-bar part of the cutting report: for each bar its heading, its cut
// lines and its leftover line, the bars apart by blank lines, and two blank
// lines after the last. The cut lines show the plan's row labels.
void WriteBars(const CuttingPlan& plan, const ReportOptions& options, LineSink& out);
