#pragma once

#include "core/plan/CuttingPlan.h"
#include "core/report/BarLines.h"
#include "core/report/LineSink.h"
#include "model/TStringGrid.h"

// The summary below the bars: the scrap and remaining lists (one line per
// leftover of the plan, in bar order), their totals, the bar count with the
// bar settings, one total per run of rows with the same "* Dec Len" text
// (also written into that run's last "* Sub Total" cell) and the number of
// pieces of the job. Quantities are read again from the Qty cells of the
// plan's rows and counted by their whole part.
void WriteSummary(const CuttingPlan& plan, TStringGrid& cutListGrid, char decimalSeparator,
                  LineSink& out);

// The whole cutting report of a plan whose row labels are filled and which
// MissingItemNumber accepts: the bars, then the summary. Lines go to the sink
// as they are made, so the report is never held whole.
void WriteCuttingReport(const CuttingPlan& plan, TStringGrid& cutListGrid,
                        const ReportOptions& options, LineSink& out);
