#pragma once

#include <string_view>

// Whether the whole text reads as a 32-bit signed whole number: leading spaces,
// then a signed decimal number within range, or an unsigned hexadecimal one
// ("$", "x", "X", "0x" or "0X" and at most eight significant digits), and
// nothing after the last digit. This decides whether a numeric sort may run.
bool IsWholeNumberText(std::string_view text);
