#pragma once

#include <string>

// The texts the error box shows for a failed file operation. They follow the
// C library's wording, except that a file missing when it is to be read is
// reported as "File not found", the wording users know from the file dialogs.
std::string SystemErrorText(int errorNumber);
std::string OpenForReadingErrorText(int errorNumber);

// A named pipe is refused as a job file: it may have no writer, and the read
// would wait for one for ever. Saved into, it needs a reader there already.
inline constexpr const char* kNamedPipeReadText = "Is a named pipe, not a file";
inline constexpr const char* kNamedPipeNoReaderText = "Nothing reads from the named pipe";
