#pragma once

#include <algorithm>
#include <cstdint>
#include <functional>
#include <vector>

#include "core/optimiser/PieceTypes.h"

// Whole lengths, so every sum is exact and the bar's test is plain arithmetic.
inline PieceTypes MakeTypes(float bar, std::vector<int> lengths) {
    std::sort(lengths.rbegin(), lengths.rend());
    PieceTypes types;
    types.BarLength = bar;
    for (std::size_t i = 0; i < lengths.size(); ++i) {
        const auto length = static_cast<float>(lengths[i]);
        if (types.Types.empty() || types.Types.back().Length != length) {
            types.Types.push_back({length, 0, {}});
        }
        ++types.Types.back().Pieces;
        types.Types.back().Rows.push_back(static_cast<int>(i) + 1);
    }
    return types;
}

// The fewest bars by trying every way to put the pieces, longest first,
// into a bar already open or a new one.
inline std::int64_t FewestByTrying(const PieceTypes& types) {
    std::vector<float> pieces;
    for (const PieceType& type : types.Types) {
        pieces.insert(pieces.end(), static_cast<std::size_t>(type.Pieces), type.Length);
    }
    auto best = static_cast<std::int64_t>(pieces.size());
    std::vector<float> left;
    std::function<void(std::size_t)> place = [&](std::size_t next) {
        if (static_cast<std::int64_t>(left.size()) >= best) {
            return;
        }
        if (next == pieces.size()) {
            best = static_cast<std::int64_t>(left.size());
            return;
        }
        for (std::size_t bar = 0; bar < left.size(); ++bar) {
            if (left[bar] >= pieces[next]) {
                left[bar] -= pieces[next];
                place(next + 1);
                left[bar] += pieces[next];
            }
        }
        left.push_back(types.BarLength - pieces[next]);
        place(next + 1);
        left.pop_back();
    };
    place(0);
    return best;
}

// The pieces of each type, by type index.
inline std::vector<std::int64_t> PiecesByType(const PieceTypes& types) {
    std::vector<std::int64_t> pieces;
    for (const PieceType& type : types.Types) {
        pieces.push_back(type.Pieces);
    }
    return pieces;
}
