#pragma once

#include <string>

#include "io/job/Job.h"

// The job file's text: Job::kLineCount lines, each ended by CR LF.
std::string FormatJobFile(const Job& job);

// Replaces the file at path with the job. The previous file stays intact
// unless the new one has been written completely. Throws EInOutError with the
// system's text.
void WriteJobFile(const std::string& path, const Job& job);
