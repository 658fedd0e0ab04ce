#pragma once

#include <vector>

// A line of stock as the bound sees it: what a bar costs, the most worth any
// one bar of it holds under the piece worths, and the most bars of it any
// plan can use (a plan has no empty bar, so never more than its pieces).
struct LineWorth {
    double Cost = 0.0;
    double MostPerBar = 0.0;
    double MostBars = 0.0;
};

// The least cost any plan can reach when its pieces are worth `totalWorth`
// together: for any scale of the worths, their total less what the bars of
// each line could gain beyond their cost. The best of the scales at which a
// line's bars just pay for themselves is taken. Kept below its exact value by
// far more than the roundings of its sums, so it never passes a plan.
double LeastCostForWorth(long double totalWorth, const std::vector<LineWorth>& lines);
