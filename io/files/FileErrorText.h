#pragma once

#include <string>

// The texts the error box shows for a failed file operation. They follow the
// C library's wording, except that a file missing when it is to be read is
// reported as "File not found", the wording users know from the file dialogs.
std::string SystemErrorText(int errorNumber);
std::string OpenForReadingErrorText(int errorNumber);
