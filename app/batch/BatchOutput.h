#pragma once

#include <ostream>

#include "app/batch/BatchRun.h"
#include "core/JobModels.h"

// The report's lines, one per line.
void WriteReportText(std::ostream& out, const JobModels& models);

// The report, the cut list's data rows, the result cells, the bar count and
// the message as one JSON object.
void WriteReportJson(std::ostream& out, const JobModels& models, const BatchOutcome& outcome);
