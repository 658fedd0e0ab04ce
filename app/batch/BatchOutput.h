#pragma once

#include <ostream>

#include "app/batch/BatchRun.h"
#include "core/job/JobModels.h"

// The report, the cut list's data rows, the result cells, the bar count and
// the message as one JSON object: its opening up to the report's lines, which
// a ReportStream writes as they come ...
void BeginReportJson(std::ostream& out);

// ... and the rest after them, which closes the object.
void EndReportJson(std::ostream& out, const JobModels& models, const BatchOutcome& outcome);
