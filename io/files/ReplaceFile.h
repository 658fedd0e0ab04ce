#pragma once

#include <string>
#include <string_view>

// Replaces the contents of the file at path with the bytes; a failure leaves
// the previous file as it was and throws EInOutError with the system's text.
//
// A new file is written beside the target and renamed over it once complete.
// Where no file can be made or renamed there (a folder the user may not
// write, a sticky folder and a file of another user) a file the user may
// write is rewritten in place instead, safely. A file the user may not write
// is refused, as writing it directly would be. Saving through a symbolic link
// writes the file the link points to and keeps the link; a pipe or a device is
// written through.
void ReplaceFileContents(const std::string& path, std::string_view bytes);
