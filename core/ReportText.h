#pragma once

#include <string>

#include "core/NumberFormat.h"

// "Bar 3 ________________": the heading of one bar in the cutting report.
inline std::string BarHeading(int barNumber, char decimalSeparator) {
    return "Bar " + FormatCount(barNumber, decimalSeparator) + " ________________";
}
