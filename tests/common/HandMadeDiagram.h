#pragma once

#include <cstdint>
#include <memory>
#include <utility>
#include <vector>

#include "diagram/geometry/DiagramLayout.h"

// A diagram job made by hand: bars of 240, cut width 0.125, scrap below 20,
// over the worked example's rows (1: 96, 2: 48, 3: 30) and row 4 of 0.1. Each
// bar is given by its runs and its leftover.
using HandMadeBar = std::pair<std::vector<PieceRun>, float>;

inline DiagramJob HandMadeDiagram(const std::vector<HandMadeBar>& bars) {
    auto plan = std::make_shared<CuttingPlan>();
    plan->BarLength = 240.0f;
    plan->CutWidth = 0.125f;
    plan->ScrapBelow = 20.0f;
    plan->Rows = {{"96", "1", "96000", 3.0f, 96.0f, 96.125f},
                  {"48", "2", "48000", 2.0f, 48.0f, 48.125f},
                  {"30", "3", "30000", 4.0f, 30.0f, 30.125f},
                  {"0.1", "4", "100", 1.0f, 0.1f, 0.225f}};
    for (const auto& [runs, left] : bars) {
        plan->Bars.push_back({static_cast<std::uint32_t>(plan->Runs.size()),
                              static_cast<std::uint32_t>(runs.size()), left});
        plan->Runs.insert(plan->Runs.end(), runs.begin(), runs.end());
    }
    return {plan, " Shelf brackets", '.'};
}

// The worked example's plan: 96 96 30, 96 48 48 30, 30 30.
inline DiagramJob WorkedExampleDiagram() {
    return HandMadeDiagram(
        {{{{1, 2}, {3, 1}}, 17.625f}, {{{1, 1}, {2, 2}, {3, 1}}, 17.5f}, {{{3, 2}}, 179.75f}});
}
