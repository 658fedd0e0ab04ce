#pragma once

#include <cstdint>
#include <vector>

// The costs of bars of each stock line in whole units, so that a search over
// one number weighs a plan's objective first and its bars second: when every
// line's worth is a whole multiple of a common grain (a cent, a millimetre),
// a bar costs its worth in grains times one more than the job's pieces, plus
// one. No plan has more bars than pieces, so the bars never outweigh a grain
// of the objective, and bounds round up to whole units. Otherwise the costs
// are the worths themselves, and ties are left to the plans' comparison.
struct UnitCosts {
    std::vector<double> Cost;
    bool Whole = false;
    double Grain = 0.0;         // the worth of one grain, when whole
    std::int64_t PerGrain = 0;  // units per grain, when whole

    // The least objective of a plan that costs at least `units`.
    double ObjectiveAtLeast(double units) const;
    // The least cost of a plan whose objective is at least `objective`.
    double UnitsAtLeast(double objective) const;
    // The least cost a plan can have that costs at least `units`.
    double RoundUp(double units) const;
};

UnitCosts CostsInUnits(const std::vector<double>& worths, std::int64_t pieces);
