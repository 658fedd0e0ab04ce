#pragma once

#include <cstdint>
#include <string>

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
