#include "core/plan/UnplannableRows.h"

#include <algorithm>
#include <cmath>

Refusal UnplannableRows(const PreparedCutList& cutList) {
    const int usedRows = std::clamp<int>(cutList.UsedRows, 0, PreparedCutList::kCapacity);
    // Summed in double: a single quantity may lie far beyond any whole count.
    double pieces = 0.0;
    for (int row = 1; row <= usedRows; ++row) {
        const float quantity = cutList.PieceQty[row];
        if (!(quantity > 0.0f)) {
            continue;
        }
        if (!(cutList.BarLength >= cutList.PieceLen[row]) || cutList.CutWidth < 0.0f) {
            return kBarShorterThanPiece;
        }
        pieces += std::ceil(static_cast<double>(quantity));
    }
    if (pieces > kMostPiecesPerJob) {
        return kQuantityTooLarge;
    }
    return std::nullopt;
}
