#pragma once

#include <cstdint>
#include <vector>

#include "core/optimiser/PieceTypes.h"

// First fit, longest first, in the cutting-stock view: the bars the nesting's
// bar passes would cut from the given pieces of each type (by type index),
// with runs of equal bars counted once. Costs the pieces of one bar per
// distinct bar, not per bar.
std::vector<PatternUse> FirstFitPatterns(const PieceTypes& types, std::vector<std::int64_t> pieces);

std::int64_t BarsOf(const std::vector<PatternUse>& uses);
