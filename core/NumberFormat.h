#pragma once

#include <string>

// Number formats of the report and the result cells. The decimal separator is
// the user's, passed in as a plain value.

// A length: fixed notation, 3 decimals at precision 7 (240 -> "240.000",
// 12345.678 -> "12345.680"), halves away from zero.
std::string FormatLength(float value, char decimalSeparator);

// A count: fixed notation without decimals at precision 7 (3 -> "3").
std::string FormatCount(double value, char decimalSeparator);

// The "* Dec Len" cell: a whole number, halves away from zero, no separators
// (25125.0 -> "25125").
std::string FormatWhole(float value);
