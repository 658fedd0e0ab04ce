#pragma once

#include <cstdint>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/PieceTypes.h"

// Lower bounds on the bars any plan needs for the given pieces of each type.
// The nesting's 32-bit test may round a free length up after a piece, so a
// bar can hold a little more than the exact sum allows; each piece is
// therefore counted short by the most one rounding can give back.

// The total length of the pieces over the bar length, rounded up.
std::int64_t LengthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces);

// Any worth per piece gives a bound: the worth of all pieces over the worth
// the most valuable single bar can hold, rounded up. With the worths of the
// linear relaxation's optimum this is the relaxation's own bound.
std::int64_t WorthBound(const PieceTypes& types, const std::vector<std::int64_t>& pieces,
                        const std::vector<double>& worths, const OptimiserSettings& settings);
