#include "core/optimiser/LpWithinBudget.h"

#include <ClpEventHandler.hpp>
#include <ClpSimplex.hpp>

#include <algorithm>

namespace {

class BudgetWatch : public ClpEventHandler {
  public:
    explicit BudgetWatch(const PlanningBudget* budget) : budget_(budget) {}

    int event(Event whichEvent) override {
        // 0 stops the simplex where it stands, -1 lets it go on.
        if (whichEvent == endOfIteration && budget_ != nullptr && budget_->Over()) {
            return 0;
        }
        return -1;
    }

    ClpEventHandler* clone() const override { return new BudgetWatch(*this); }

  private:
    const PlanningBudget* budget_;
};

}  // namespace

SolvingWithin::SolvingWithin(ClpSimplex& model, const PlanningBudget& budget) : model_(model) {
    model_.setMaximumWallSeconds(std::max(budget.SecondsLeft(), 0.001));
    const BudgetWatch watch(&budget);
    model_.passInEventHandler(&watch);
}

SolvingWithin::~SolvingWithin() {
    // The model outlives the budget it was given; it is left watching none.
    const BudgetWatch none(nullptr);
    model_.passInEventHandler(&none);
}
