#pragma once

#include <cstdint>
#include <exception>
#include <vector>

#include "core/plan/CuttingPlan.h"
#include "core/report/BarLines.h"
#include "core/report/LineSink.h"

// The count of one item of the summary: the whole pieces of a run of rows
// with the same "* Dec Len" text, shown against the run's last row.
struct ItemSubtotal {
    std::int32_t Row = 0;  // the cut list row 1..UsedRows that shows it
    std::int64_t Pieces = 0;
};

// What the summary counted, for the "* Sub Total" cells. Whatever ends the
// summary early (a quantity whose whole part or a total beyond 64 bits, which
// the platform reports as an invalid operation or an overflow) ends it where
// it stands: the subtotals counted up to that point are kept, and the error
// comes with them for the caller to raise once it has shown them.
struct SummaryTotals {
    std::vector<ItemSubtotal> Subtotals;  // in row order
    std::exception_ptr Failure;           // null when the summary is complete
};

// The summary below the bars: the scrap and remaining lists (one line per
// leftover of the plan, in bar order), their totals, the bar count with the
// bar settings, one total per run of the plan's rows with the same
// "* Dec Len" text and the number of pieces of the job. Quantities are the
// rows' as the cut list was read, counted by their whole part.
SummaryTotals WriteSummary(const CuttingPlan& plan, char decimalSeparator, LineSink& out);

// The whole cutting report of a plan which MissingItemNumber accepts: the
// bars, then the summary. Lines go to the sink as they are made, so the
// report is never held whole.
SummaryTotals WriteCuttingReport(const CuttingPlan& plan, const ReportOptions& options,
                                 LineSink& out);
