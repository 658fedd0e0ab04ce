#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Reads and writes single keys of a profile (INI) file. Nothing is kept open
// or cached between calls: every write reads the file, changes the key and
// writes the file back at once.

// Far more than any settings file holds: six keys of at most 2047 characters.
inline constexpr std::size_t kMaxProfileFileBytes = 1024 * 1024;

// The key's value (see ProfileValue); the default when the file cannot be
// read, is no regular file or is larger than kMaxProfileFileBytes.
std::string GetPrivateProfileString(std::string_view section, std::string_view key,
                                    std::string_view defaultValue, const std::string& path);

// Sets the key, creating the file when it is missing. The file is replaced
// as a job file is (see ReplaceFileContents): a failure leaves it as it was,
// and a link to it stays a link. False when the file
// cannot be read or written, is no regular file or is larger than
// kMaxProfileFileBytes.
bool WritePrivateProfileString(std::string_view section, std::string_view key,
                               std::string_view value, const std::string& path);
