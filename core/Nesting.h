#pragma once

#include <cstdint>
#include <string>

#include "core/PreparedCutList.h"
#include "core/Refusals.h"
#include "model/ReportLines.h"
#include "model/TStringGrid.h"

struct NestingOptions {
    bool ShortReport = false;      // like neighbouring cut lines of a bar are combined
    bool AlternateMethod = false;  // row 1 gives at most one piece to each bar
    char DecimalSeparator = '.';
};

struct NestingResult {
    bool refused = false;
    std::string refusal;  // the refusal text when refused
    std::int32_t BarNumber = 1;
    float TotalScrap = 0.0f;
    float TotalRemaining = 0.0f;
};

// Packs the pieces of rows 1..UsedRows into bars of BarLength, first fit,
// longest row first, one bar after the other, and appends each bar's cut lines
// and leftover line to the report, whose last line is expected to be the
// heading of bar 1. The cut lines show the Length (column 1) and Item #
// (column 2) texts of the cut list grid. PieceQty is used up.
//
// Refused, with the report left as it stands for the caller to empty: a row
// holding pieces that cannot fit an empty bar (the first fit would open bars
// without end), more than 16,777,216 pieces in all (more than a 32-bit count
// can take down one by one), or, in the
// short report, a piece without an item number. A sum or difference beyond the
// 32-bit range throws EOverflow.
NestingResult Nest(PreparedCutList& cutList, const TStringGrid& cutListGrid,
                   const NestingOptions& options, ReportLines& report);
