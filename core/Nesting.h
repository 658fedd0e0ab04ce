#pragma once

#include "core/CuttingPlan.h"
#include "core/PreparedCutList.h"
#include "core/Refusals.h"

struct NestingOptions {
    bool AlternateMethod = false;  // row 1 gives at most one piece to each bar
};

struct NestingResult {
    Refusal Refused;
    CuttingPlan Plan;  // the bars, when not refused; its RowLabels stay empty
};

// Packs the pieces of rows 1..UsedRows into bars of BarLength, first fit,
// longest row first, one bar after the other. PieceQty is used up.
//
// Refused before any bar is planned: a row holding pieces that cannot fit an
// empty bar (the first fit would open bars without end), or more than
// 16,777,216 pieces in all (more than a 32-bit count can take down one by
// one). A sum or difference beyond the 32-bit range throws EOverflow.
NestingResult Nest(PreparedCutList& cutList, const NestingOptions& options);
