#pragma once

#include "core/plan/PlanOutcome.h"
#include "core/plan/PreparedCutList.h"

struct FirstFitOptions {
    bool AlternateMethod = false;  // row 1 gives at most one piece to each bar
};

// Packs the pieces of rows 1..UsedRows into bars of BarLength, first fit,
// longest row first, one bar after the other. PieceQty is used up. The
// outcome names the method; its lower bound is left to the caller.
//
// Refused before any bar is planned: a row holding pieces that cannot fit an
// empty bar (the first fit would open bars without end), or more than
// 16,777,216 pieces in all (more than a 32-bit count can take down one by
// one). A sum or difference beyond the 32-bit range throws EOverflow.
PlanOutcome PlanFirstFit(PreparedCutList& cutList, const FirstFitOptions& options);
