#pragma once

#include <string>
#include <string_view>

// Reads and writes single keys of a profile (INI) file. Nothing is kept open
// or cached between calls: every write reads the file, changes the key and
// writes the file back at once.

// The key's value (see ProfileValue); the default when the file cannot be read.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path);

// Sets the key, creating the file when it is missing. False when the file
// cannot be read or written.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path);
