#pragma once

#include <string>

// Number formats of the report and the result cells. The decimal separator is
// the user's, passed in as a plain value. Values are rounded from their exact
// binary value, halves away from zero.
//
// Fixed notation at precision 7 holds at most 7 digits before the decimal
// point. A value that reaches 10^7 after rounding is written in scientific
// notation instead, with 7 significant digits and the exponent without
// leading zeros: 123456789 -> "1.234568E+8", 9999999.6 as a count ->
// "1.000000E+7". A value that rounds to zero is written without a sign
// ("0.000", never "-0.000"); infinities and NaN read "INF", "-INF", "NAN".

// A length: fixed notation, rounded to the coarser of 7 significant digits and
// 3 decimals and padded to 3 decimals (240 -> "240.000", 17.0625 -> "17.063",
// 12345.678 -> "12345.680").
std::string FormatLength(float value, char decimalSeparator);

// A count: fixed notation without decimals at precision 7 (3 -> "3",
// 2.5 -> "3").
std::string FormatCount(double value, char decimalSeparator);

// The "* Dec Len" cell: a whole number, halves away from zero, no separators
// and every whole digit, however many (25125.0 -> "25125", 1062.5 -> "1063").
std::string FormatWhole(float value);
