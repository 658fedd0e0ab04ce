#pragma once

#include <optional>

#include "core/job/CalculationModels.h"
#include "core/plan/PreparedCutList.h"
#include "core/plan/Refusals.h"
#include "sorter/SASG.h"

struct PreparationResult {
    Refusal Refused;
    PreparedCutList CutList;
};

// The first stage of Calculate: cleans the Length column, sorts the cut list
// twice through the sorter, fills "* Dec Len", defaults empty quantities,
// writes " Used Rows" and " Last Err", numbers the items, converts the bar
// settings, empties the report and writes the first bar heading, reads the
// sorted rows once into the prepared cut list, validates its first row and
// refuses a quantity whose 32-bit value means other pieces than typed.
// Everything written into the grids stays, also on a refusal; the report is
// left as it stands (the caller empties it after announcing the refusal).
// Floating-point errors propagate.
// Only the first PreparedCutList::kCapacity data rows of a larger grid take
// part; the rows beyond are left untouched.
// Planned from stock, the longest length a stock bar holds is given as
// `barLength` and takes the place of the Bar Length cell.
PreparationResult PrepareCutList(CalculationModels models, TSortAStringGrid& sorter,
                                 bool autoItemNumber, char decimalSeparator,
                                 std::optional<float> barLength = std::nullopt);
