#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/plan/CuttingPlan.h"

// What the first stage of Calculate hands to the nesting: rows 1..UsedRows of
// the cut list grid as it read them, and the converted bar settings. All
// lengths are 32-bit floats. PieceQty and PieceLen hold the rows' quantities
// and charged lengths by row number for the planners, which use PieceQty up;
// index 0 of the arrays is unused.
struct PreparedCutList {
    static constexpr int kCapacity = 1000;

    std::int32_t UsedRows = 0;
    std::array<float, kCapacity + 1> PieceQty{};
    std::array<float, kCapacity + 1> PieceLen{};
    float BarLength = 0.0f;
    float CutWidth = 0.0f;
    float ScrapBelow = 0.0f;
    // Rows 1..UsedRows: Rows[Row - 1].
    std::vector<PreparedRow> Rows;
};
