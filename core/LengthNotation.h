#pragma once

#include <string>
#include <string_view>

// Length notation: decimal numbers ("25.125") or feet, inches and a fraction
// ("2'   1 1/8"). Texts are single-byte; a length is read from the first 255
// characters of its text.

// Removes or blanks out one character in a text. Mode (either case):
// 'A' removes every occurrence, 'M' replaces each by a blank, 'L' removes
// leading ones, 'R' trailing ones, 'B' both; any other mode changes nothing.
std::string Strip(char mode, char character, std::string_view text);

// Converts the first 255 characters of a text in length notation into a
// decimal length. Malformed text is never refused; a zero denominator throws EZeroDivide
// (EInvalidOp for 0/0) and a number beyond the 32-bit range throws EOverflow.
void ConvertFeet(std::string_view text, float& result);
float ConvertFeet(std::string_view text);

// What ConvertFeet would give without rounding each step to 32 bits: the
// value the text means, to compare with ConvertFeet's. Throws as ConvertFeet
// does for a zero denominator; call it only on a text ConvertFeet accepted.
long double ConvertFeetExtended(std::string_view text);

// A cell text as the length routines read it: its first 255 characters.
std::string_view CutTo255(std::string_view text);

// Whether ConvertFeet reads every number of the text whole; false when one
// of them is read only up to a character that does not fit ("12.5 in").
// A text ConvertFeet refuses counts as read whole: its error says more.
bool ConvertFeetReadsWhole(std::string_view text);
