#pragma once

#include "core/plan/PlanningBudget.h"

class ClpSimplex;

// While it lives, the model's simplex stops at the end of the budget: CLP is
// given the seconds left, and it asks the budget, on the budget's own clock,
// after every iteration. A solve stopped so is not proven optimal and goes on
// from its basis at the next solve.
class SolvingWithin {
  public:
    SolvingWithin(ClpSimplex& model, const PlanningBudget& budget);
    ~SolvingWithin();
    SolvingWithin(const SolvingWithin&) = delete;
    SolvingWithin& operator=(const SolvingWithin&) = delete;

  private:
    ClpSimplex& model_;
};
