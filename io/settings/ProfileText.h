#pragma once

#include <string>
#include <string_view>

// The profile (INI) text format: "[Section]" lines, each followed by its
// "Key=Value" lines. Section and key names match without regard to case and
// to blanks around them; a value is read without the blanks around it. Lines
// that are neither (comments, stray text) are kept as they stand.

// The value of the first matching key of the first matching section, at most
// kMaxProfileValueLength characters; the default when either is missing.
inline constexpr std::size_t kMaxProfileValueLength = 2047;
std::string ProfileValue(std::string_view text, std::string_view section, std::string_view key,
                         std::string_view defaultValue);

// The text with the key set: a key that exists is rewritten in its place, a
// new key goes after the last entry of its section, and a new section is added
// at the end. Every other line is kept; lines end with CR LF.
std::string WithProfileValue(std::string_view text, std::string_view section, std::string_view key,
                             std::string_view value);
