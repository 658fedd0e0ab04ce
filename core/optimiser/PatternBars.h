#pragma once

#include <cstdint>
#include <vector>

#include "core/optimiser/PieceTypes.h"
#include "core/plan/CuttingPlan.h"
#include "core/plan/PreparedCutList.h"

// What every planner that writes patterns out as a cutting plan shares.

// Longer pieces first, then more of them; a pattern that is the start of
// another stands after it.
bool PatternStandsBefore(const Pattern& a, const Pattern& b);

// Cuts the bars of patterns from the job's rows: each type's pieces come from
// its rows in row order, so the report names the rows as the nesting would.
class PatternBarWriter {
  public:
    PatternBarWriter(const PreparedCutList& cutList, const PieceTypes& types);
    ~PatternBarWriter();

    // Appends `bars` bars cut to `pattern`, each with `left` over.
    void Write(const Pattern& pattern, std::int64_t bars, float left, CuttingPlan& plan);

  private:
    class RowCursor;
    std::vector<RowCursor> cursors_;
};

// Cuts the free rows' pieces last from the first bar and adds up the scrap and
// remaining totals in the nesting's 32-bit arithmetic; a sum beyond the 32-bit
// range throws EOverflow. The plan must hold at least one bar.
void FinishPatternPlan(const PreparedCutList& cutList, const PieceTypes& types, CuttingPlan& plan);
