#include "core/optimiser/PieceTypes.h"

#include <algorithm>
#include <cmath>

#include "model/Exceptions.h"

std::int64_t PiecesOf(float quantity) {
    return quantity > 0.0f ? static_cast<std::int64_t>(std::ceil(static_cast<double>(quantity)))
                           : 0;
}

PieceTypes GroupPieceTypes(const PreparedCutList& cutList) {
    PieceTypes types;
    types.BarLength = cutList.BarLength;
    const int usedRows = std::clamp<int>(cutList.UsedRows, 0, PreparedCutList::kCapacity);
    std::vector<int> rows;
    for (int row = 1; row <= usedRows; ++row) {
        if (PiecesOf(cutList.PieceQty[row]) == 0) {
            continue;
        }
        if (cutList.PieceLen[row] > 0.0f) {
            rows.push_back(row);
        } else {
            types.FreeRows.push_back(row);
        }
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [&](int a, int b) { return cutList.PieceLen[a] > cutList.PieceLen[b]; });
    for (const int row : rows) {
        const float length = cutList.PieceLen[row];
        if (types.Types.empty() || types.Types.back().Length != length) {
            types.Types.push_back({length, 0, {}});
        }
        types.Types.back().Pieces += PiecesOf(cutList.PieceQty[row]);
        types.Types.back().Rows.push_back(row);
    }
    return types;
}

std::optional<float> LeftoverOf(const Pattern& pattern, const PieceTypes& types) {
    return LeftIn(types.BarLength, pattern, types);
}

std::optional<float> LeftIn(float usable, const Pattern& pattern, const PieceTypes& types) {
    float left = usable;
    for (const TypeCount& entry : pattern) {
        const float length = types.Types[static_cast<std::size_t>(entry.Type)].Length;
        for (std::int64_t piece = 0; piece < entry.Count; ++piece) {
            if (!(left >= length)) {
                return std::nullopt;
            }
            // Lengths are above 0 and at most the free length, so the
            // difference stays within range.
            left = left - length;
        }
    }
    return left;
}
