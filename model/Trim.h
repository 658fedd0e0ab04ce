#pragma once

#include <string>
#include <string_view>

// The text without its leading and trailing characters of code 32 or less
// (blanks and control characters; bytes above 127 are kept).
std::string Trim(std::string_view text);
