#pragma once

#include <cstdint>
#include <optional>
#include <utility>
#include <vector>

#include "core/optimiser/CuttingStockLp.h"
#include "core/optimiser/PieceTypes.h"

// The branching of the search for fewest bars, on pairs of pieces: one branch
// cuts both from the same bar, the other never lets them share one. Either
// way the pricing stays a knapsack: pieces that go together are one item,
// pieces kept apart are a conflict. Pieces are numbered one by one, and a
// pattern of pieces lists each piece once (Count 1), in ascending order.
// Cut from several stock lines, a relaxation may split a piece between lines
// where every pair is whole; it then splits on a piece and a line: cut from
// that line, or from any other.
using PiecePair = std::pair<std::int32_t, std::int32_t>;
using PieceOnLine = std::pair<std::int32_t, std::int32_t>;

struct BranchConstraints {
    std::vector<PiecePair> Together;
    std::vector<PiecePair> Apart;
    std::vector<PieceOnLine> OnLine;
    std::vector<PieceOnLine> OffLine;
};

// The items the constraints leave: each a set of pieces that must share a
// bar, with the items it may not share a bar with.
struct PieceGroups {
    bool Feasible = true;                              // no pair both together and apart
    std::vector<std::int32_t> GroupOf;                 // by piece
    std::vector<std::vector<std::int32_t>> Members;    // pieces of each group, ascending
    std::vector<std::vector<std::int32_t>> Conflicts;  // groups kept apart from each group
};

PieceGroups GroupPieces(std::size_t pieces, const BranchConstraints& constraints);

// Whether a bar may be cut to the pattern of pieces under the constraints.
bool Allows(const BranchConstraints& constraints, const Pattern& pieces);
// The same for a bar cut from the line.
bool AllowsOn(const BranchConstraints& constraints, const Pattern& pieces, std::int32_t line);

// Whether each group may be cut from each line: 1 or 0 at group * lines +
// line.
std::vector<char> LinesOpenTo(const PieceGroups& groups, const BranchConstraints& constraints,
                              std::size_t lines);

// The pair of groups to branch on: the one whose bars together in the
// relaxation's solution are furthest from a whole number, ties to the first
// pair; none when every such sum is whole. Returns a piece of each group.
std::optional<PiecePair> ChoosePair(const std::vector<std::pair<const Pattern*, double>>& inUse,
                                    const PieceGroups& groups);

// The piece and line to branch on: the group whose bars on one line are
// furthest from a whole number, ties to the first; none when all are whole.
// Returns a piece of the group.
std::optional<PieceOnLine> ChooseLine(const std::vector<LineUse>& inUse, const PieceGroups& groups);
