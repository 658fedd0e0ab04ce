#pragma once

#include <string>
#include <vector>

#include "core/report/PageHeading.h"
#include "core/report/PrinterText.h"

// The font of the report text area, which the printed report takes over.
PrinterFont PrintedReportFont();

// Prints the report lines through out, each page opened by a heading with the
// title, a page number and the clock's date and time. With noSummary set the
// report ends before the first line holding "Summary"; otherwise that line
// starts a new page. The job is ended even when writing fails; the error is
// passed on.
void PrintReport(IPrinterText& out, const std::vector<std::string>& lines, const std::string& title,
                 bool noSummary, const HeadingClock& clock);
