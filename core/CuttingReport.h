#pragma once

#include "core/Nesting.h"
#include "core/PreparedCutList.h"
#include "model/ReportLines.h"
#include "model/TStringGrid.h"

// Appends the summary below the bars of a completed nesting: the scrap and
// remaining lists (found again among the report lines), their totals, the bar
// count with the bar settings, one total per run of rows with the same
// "* Dec Len" text (also written into that run's last "* Sub Total" cell) and
// the number of pieces of the job. Quantities are read again from the Qty
// cells of rows 1..UsedRows and counted by their whole part.
void Summarise(const NestingResult& nesting, const PreparedCutList& cutList,
               TStringGrid& cutListGrid, char decimalSeparator, ReportLines& report);
