#pragma once

#include <string>

// The hidden file a save writes beside its target before renaming it over the
// target: "." and the target's name, shortened so that the longest name a
// folder allows still leaves room, then ".velmar-" and six random characters,
// given as the XXXXXX that mkstemp fills in.
std::string TemporaryPatternBeside(const std::string& target);

// Removes the files of that naming beside the target that no save is writing
// any more, as a save killed half-way leaves them. A save keeps its file
// locked (flock) while it writes it; a file that cannot be locked at once,
// one of another user and anything but a regular file stay. Best effort: a
// file that cannot be removed stays too.
void RemoveStaleTemporariesBeside(const std::string& target);
