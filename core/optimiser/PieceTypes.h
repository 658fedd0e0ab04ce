#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/plan/PreparedCutList.h"

// The cutting-stock view of a prepared cut list: rows whose charged lengths
// are the same 32-bit value are one piece type, since no bar can tell their
// pieces apart. A job of millions of pieces is then a few hundred types with
// their counts.
struct PieceType {
    float Length = 0.0f;      // charged length of one piece, above 0
    std::int64_t Pieces = 0;  // pieces of all its rows together
    std::vector<int> Rows;    // its rows with pieces, in row order
};

struct PieceTypes {
    float BarLength = 0.0f;
    std::vector<PieceType> Types;  // longest first
    // Rows whose pieces are charged 0 or less: they never take length from a
    // bar, so they are cut last from the first bar, as the first fit does.
    std::vector<int> FreeRows;
};

// The number of pieces a prepared quantity gives: it is counted down by one
// while it is above 0, so 2.5 gives 3 and 0 or less gives none.
std::int64_t PiecesOf(float quantity);

// Groups rows 1..UsedRows into piece types. Expects a job the nesting accepts:
// every row with pieces fits an empty bar.
PieceTypes GroupPieceTypes(const PreparedCutList& cutList);

// How many pieces of each type one bar holds, by type index (so longest
// first); types without pieces are left out.
struct TypeCount {
    std::int32_t Type = 0;
    std::int64_t Count = 0;
    bool operator==(const TypeCount&) const = default;
};
using Pattern = std::vector<TypeCount>;

// A pattern and the number of bars cut to it.
struct PatternUse {
    Pattern Bar;
    std::int64_t Bars = 0;
};

// The leftover of a bar cut to the pattern, longest piece first, by the
// nesting's own test: the 32-bit free length is stored after every piece and
// must be at least the next piece's length. Empty when a piece does not fit.
std::optional<float> LeftoverOf(const Pattern& pattern, const PieceTypes& types);

// The same for a bar of the given usable length, such as a stock length less
// its end trim.
std::optional<float> LeftIn(float usable, const Pattern& pattern, const PieceTypes& types);
