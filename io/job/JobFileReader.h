#pragma once

#include <cstddef>
#include <string>
#include <string_view>

#include "io/files/ByteSource.h"
#include "io/job/Job.h"

// No job file comes near this: 2500 lines of 255 characters are 640 KB. A
// source that has not given the job's last line within it is refused with
// kJobTooLargeText, so that a device or a file without line ends cannot keep
// the reader busy for ever.
inline constexpr std::size_t kMaxJobFileBytes = 16 * 1024 * 1024;
inline constexpr const char* kJobTooLargeText = "File too large for a job file";

// Reads a job file. Any text is accepted: its lines fill the title, the bar
// settings, the Auto Item Number flag and the cut list cells in that order,
// and whatever the text lacks reads as empty. Lines beyond the job's last
// cell are ignored.
// Throws EInOutError with kJobTooLargeText past kMaxJobFileBytes.
Job ReadJob(ByteSource& source);
Job ParseJobFile(std::string_view bytes);
// Throws EInOutError with the system's text; "File not found" when missing.
Job ReadJobFile(const std::string& path);
