#pragma once

#include <string>
#include <string_view>

#include "io/ByteSource.h"
#include "io/Job.h"

// Reads a job file. Any text is accepted: its lines fill the title, the bar
// settings, the Auto Item Number flag and the cut list cells in that order,
// and whatever the text lacks reads as empty. Lines beyond the job's last
// cell are ignored.
Job ReadJob(ByteSource& source);
Job ParseJobFile(std::string_view bytes);
// Throws EInOutError with the system's text; "File not found" when missing.
Job ReadJobFile(const std::string& path);
