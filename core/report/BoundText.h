#pragma once

#include <cstdint>
#include <cstdio>
#include <string>

#include "core/plan/PlanProgress.h"

// What the window and the batch tool say about a plan next to its bars: how
// many it uses, how few any plan could use, and whether the plan is proven to
// be the best, e.g. "23 bars; no plan can use fewer than 22; not proven
// minimal".
inline std::string BarsAndBoundText(std::int64_t bars, std::int64_t lowerBound) {
    std::string text = std::to_string(bars) + (bars == 1 ? " bar" : " bars") +
                       "; no plan can use fewer than " + std::to_string(lowerBound);
    if (bars > lowerBound) {
        text += "; not proven minimal";
    }
    return text;
}

// The same for a plan from stock: its cost (or stock length, when the stock
// has no costs) and the least any plan from that stock could reach, e.g.
// "Cost 412.50; no plan can cost less than 410.20".
inline std::string StockBoundText(double objective, double bound, bool costed) {
    char text[160];
    if (costed) {
        std::snprintf(text, sizeof text, "Cost %.2f; no plan can cost less than %.2f", objective,
                      bound);
    } else {
        std::snprintf(text, sizeof text, "Stock length %.3f; no plan can cut less than %.3f",
                      objective, bound);
    }
    return text;
}

// What a search's progress box says of the best plan so far and its bound,
// e.g. "Best plan 41 bars, at least 40" or, from stock, "Best plan costs
// 412.50, at least 410.20".
inline std::string ProgressText(const PlanProgress& progress) {
    char text[200];
    switch (progress.Counts) {
        case PlanProgress::Measure::Cost:
            std::snprintf(text, sizeof text, "Best plan costs %.2f, at least %.2f", progress.Best,
                          progress.Bound);
            break;
        case PlanProgress::Measure::StockLength:
            std::snprintf(text, sizeof text, "Best plan cuts %.3f of stock, at least %.3f",
                          progress.Best, progress.Bound);
            break;
        case PlanProgress::Measure::Bars:
        default:
            std::snprintf(text, sizeof text, "Best plan %.0f %s, at least %.0f", progress.Best,
                          progress.Best == 1.0 ? "bar" : "bars", progress.Bound);
            break;
    }
    return text;
}
