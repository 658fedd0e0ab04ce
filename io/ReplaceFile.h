#pragma once

#include <string>
#include <string_view>

// Writes the bytes into a new file beside the target and renames it over the
// target once complete, so a failure half-way (a full disk, say) never leaves
// the previous file destroyed. A symbolic link is followed, and the target
// keeps its permissions. A pipe or a device is written through instead, and so
// is a file the user may write in a folder where they may not create files.
// Throws EInOutError with the system's text.
void ReplaceFileContents(const std::string& path, std::string_view bytes);
