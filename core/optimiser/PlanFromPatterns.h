#pragma once

#include <vector>

#include "core/optimiser/PieceTypes.h"
#include "core/plan/CuttingPlan.h"
#include "core/plan/PreparedCutList.h"

// Writes patterns out as a cutting plan: bars with equal pieces stand next to
// each other, bars with longer pieces first; within a bar the pieces stand
// longest first and each type's pieces come from its rows in row order. The
// pieces of the free rows are cut last from the first bar. Leftovers and
// totals follow the nesting's 32-bit arithmetic; a sum beyond the 32-bit range
// throws EOverflow. Every pattern must fit a bar and the patterns together
// must hold exactly the job's pieces.
CuttingPlan PlanFromPatterns(const PreparedCutList& cutList, const PieceTypes& types,
                             std::vector<PatternUse> uses);
