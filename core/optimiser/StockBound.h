#pragma once

#include "core/optimiser/StockPatterns.h"

// A bound no plan from the rack can beat: the pieces' total length bought at
// the cheapest rates per usable length the rack offers, line after line as
// far as each has bars on hand, and at least the cheapest single bar that
// holds the longest piece. Each piece is counted short by the most the 32-bit
// test's rounding can give back.
double StockLowerBound(const PieceTypes& types, const StockRack& rack);
