#pragma once

#include <cstddef>
#include <cstdint>

// How hard each part of the optimiser searches before it settles for what it
// has. The defaults are what Velmar plans with; tests and benchmarks may turn
// them to reach a part's limits quickly.

// The most valuable pattern of a bar: the dynamic programme over a grid of
// whole units, else a branch and bound over the pieces per type.
struct KnapsackSettings {
    // Bars of at most this many grid units are priced by dynamic programming.
    double MostGridUnits = 1 << 20;
    // Bits of choice memory the programme may take.
    std::size_t MostChoiceBits = std::size_t{1} << 28;
    // Patterns through one type each that the programme offers beyond the
    // best ones asked for: there they cost a trace back each.
    std::size_t PatternsThroughTypes = 18;
};

// The linear relaxation of one bar length, grown by its pricing.
struct RelaxationSettings {
    // A pattern must be worth this much more than a bar to be added.
    double WorthMore = 1.0 + 1e-9;
    std::size_t PatternsPerRound = 2;
    std::int64_t PricingNodes = 300000;
    // The knapsack that turns the relaxation's piece worths into a bound.
    std::int64_t BoundNodes = 2000000;
};

// Bin completion: bar after bar filled by the completions that waste least.
struct CompletionSettings {
    // Completions of one bar weighed before the most promising are tried.
    std::size_t CompletionsPerBar = 24;
    std::int64_t StepsPerBar = 4000;
};

// The dive through the relaxation that plans fewest bars.
struct DiveSettings {
    // Dead ends the dive may back out of before it settles for the best plan
    // found so far.
    int MostDeadEnds = 24;
    // Bin completion takes over when no more pieces than these are left.
    std::int64_t MostPiecesToComplete = 3000;
    unsigned CompletionAttempts = 8;
    std::int64_t CompletionStepsPerPiece = 4;
    // When the dive gives up with time to spare, bin completion goes on with
    // twice the steps at each round, up to this many per piece.
    std::int64_t MostCompletionStepsPerPiece = 4096;
    // Deep in the dive, bin completion is tried once no more pieces are left.
    std::int64_t FewPiecesLeft = 150;
    // Patterns rounded up one bar at a time, most nearly whole first, at each
    // step of the dive.
    std::size_t Branches = 3;
};

// Planning from the stock on hand.
struct StockSettings {
    std::int64_t PricingNodes = 200000;
    std::size_t PatternsPerPricing = 4;
    int MostRounds = 400;
    // The knapsack that finds the fullest bar of a line for the greedy plan.
    std::int64_t GreedyNodes = 20000;
};

struct OptimiserSettings {
    KnapsackSettings Knapsack;
    RelaxationSettings Relaxation;
    CompletionSettings Completion;
    DiveSettings Dive;
    StockSettings Stock;
};
