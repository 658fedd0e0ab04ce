#pragma once

#include <string>

#include "core/notation/NumberFormat.h"

// A blank report line holds one space, never an empty text.
inline const std::string kBlankLine = " ";
// The leftover lines start with these; the summary finds them again by them,
// blanks included.
inline const std::string kScrapPrefix = "        Scrap ";
inline const std::string kRemainingPrefix = "       Remaining ";

// "Bar 3 ________________": the heading of one bar in the cutting report.
inline std::string BarHeading(int barNumber, char decimalSeparator) {
    return "Bar " + FormatCount(barNumber, decimalSeparator) + " ________________";
}
