#pragma once

#include <chrono>
#include <cstdint>
#include <memory>

#include "core/plan/PlanningBudget.h"

// A clock that stands still for a number of readings and then jumps a day
// on, and a budget of an hour on it: whatever reads the budget meets its end
// after so many readings, however fast or loaded the machine. The hour left
// before the jump keeps any real-time limit a part derives from it far off.
struct JumpingClock {
    PlanningBudget::Clock::time_point start = PlanningBudget::Clock::now();
    std::int64_t readingsBeforeJump = 0;
    std::int64_t readings = 0;

    PlanningBudget::Clock::time_point Read() {
        ++readings;
        return readings <= readingsBeforeJump ? start : start + std::chrono::hours(24);
    }

    // The readings after the one that found the budget over.
    std::int64_t ReadingsPastTheEnd() const {
        return readings > readingsBeforeJump ? readings - readingsBeforeJump - 1 : 0;
    }
};

inline PlanningBudget BudgetOn(const std::shared_ptr<JumpingClock>& clock) {
    PlanningBudget budget;
    budget.ReadClock = [clock] { return clock->Read(); };
    budget.Deadline = clock->start + std::chrono::hours(1);
    return budget;
}

inline std::shared_ptr<JumpingClock> ClockJumpingAfter(std::int64_t readings) {
    auto clock = std::make_shared<JumpingClock>();
    clock->readingsBeforeJump = readings;
    return clock;
}
