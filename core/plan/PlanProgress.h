#pragma once

// How far a search has got, as it tells whoever watches its budget: the best
// plan so far and the least any plan can reach. The fewest-bars search
// counts bars; planning from stock counts the cost, or the stock length when
// the stock has no costs.
struct PlanProgress {
    enum class Measure { Bars, Cost, StockLength };
    Measure Counts = Measure::Bars;
    double Best = 0.0;
    double Bound = 0.0;
};
