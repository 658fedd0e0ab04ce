#pragma once

#include <array>
#include <cstdint>
#include <vector>

#include "core/plan/CuttingPlan.h"

// What the first stage of Calculate hands to the nesting: rows 1..UsedRows of
// the cut list grid with their quantities and charged lengths (decimal length
// plus the cut width), and the converted bar settings. All lengths are 32-bit
// floats; index 0 of the arrays is unused.
struct PreparedCutList {
    static constexpr int kCapacity = 1000;

    std::int32_t UsedRows = 0;
    std::array<float, kCapacity + 1> PieceQty{};
    std::array<float, kCapacity + 1> PieceLen{};
    float BarLength = 0.0f;
    float CutWidth = 0.0f;
    float ScrapBelow = 0.0f;
    // The Length and Item # texts of rows 1..UsedRows: RowLabels[Row - 1].
    std::vector<RowLabel> RowLabels;
};
