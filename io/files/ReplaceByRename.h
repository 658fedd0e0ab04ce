#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>

// Writes the bytes into a new file in the target's folder and renames it over
// the target once complete, so that a failure half-way (a full disk, say)
// leaves the previous file whole. The new file gets the given mode.
//
// Returns 0 when the target has been replaced. When the folder lets this user
// neither create the new file (no write permission on the folder) nor rename
// it over the target (a sticky folder such as /tmp and a target owned by
// another user), returns that error number instead, with nothing changed and
// nothing left behind. Any other failure throws EInOutError.
int ReplaceByRename(const std::string& target, std::string_view bytes, mode_t mode);
