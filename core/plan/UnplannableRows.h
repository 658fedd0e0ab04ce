#pragma once

#include "core/plan/PreparedCutList.h"
#include "core/plan/Refusals.h"

// Beyond 2^24 a 32-bit float no longer holds every whole number, so a count
// that large could not be taken down one piece at a time; at 2^25 subtracting
// one leaves it unchanged and the bar passes would never end. The cap applies
// to the whole job, which also bounds the report's size and the memory it
// needs.
inline constexpr double kMostPiecesPerJob = 16777216.0;

// A job no planner can finish, refused before any bar is planned: a row whose
// pieces fit no empty bar (or a negative cut width), then more pieces in all
// than a 32-bit count can take down one by one. Rows 1..UsedRows are read; a
// fractional quantity counts a piece for its fraction.
Refusal UnplannableRows(const PreparedCutList& cutList);
