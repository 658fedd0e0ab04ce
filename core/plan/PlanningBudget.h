#pragma once

#include <atomic>
#include <chrono>

// When a search for a better plan has to stop: at its deadline, or as soon as
// the user cancels.
struct PlanningBudget {
    using Clock = std::chrono::steady_clock;
    // What a search may take unless told otherwise.
    static constexpr double kDefaultSeconds = 10.0;

    Clock::time_point Deadline = Clock::time_point::max();
    const std::atomic<bool>* Cancelled = nullptr;

    static PlanningBudget Seconds(double seconds, const std::atomic<bool>* cancelled = nullptr) {
        PlanningBudget budget;
        budget.Deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(seconds));
        budget.Cancelled = cancelled;
        return budget;
    }

    bool IsCancelled() const { return Cancelled != nullptr && Cancelled->load(); }
    bool Over() const { return IsCancelled() || Clock::now() >= Deadline; }
    double SecondsLeft() const {
        if (Deadline == Clock::time_point::max()) {
            return 1e9;
        }
        return std::chrono::duration<double>(Deadline - Clock::now()).count();
    }
};
