#pragma once

#include <atomic>
#include <chrono>
#include <functional>

#include "core/plan/PlanProgress.h"

// When a search for a better plan has to stop: at its deadline, or as soon as
// the user cancels. Every part of a search reads the time through the budget,
// so that a test can run it on a clock of its own.
struct PlanningBudget {
    using Clock = std::chrono::steady_clock;
    // What a search may take unless told otherwise.
    static constexpr double kDefaultSeconds = 10.0;

    Clock::time_point Deadline = Clock::time_point::max();
    const std::atomic<bool>* Cancelled = nullptr;
    // The clock the deadline is read on; the steady clock when empty.
    std::function<Clock::time_point()> ReadClock;
    // Told the best plan so far and the bound each time either improves;
    // called on the searching thread.
    std::function<void(const PlanProgress&)> Progress;

    static PlanningBudget Seconds(double seconds, const std::atomic<bool>* cancelled = nullptr) {
        PlanningBudget budget;
        budget.Deadline = Clock::now() + std::chrono::duration_cast<Clock::duration>(
                                             std::chrono::duration<double>(seconds));
        budget.Cancelled = cancelled;
        return budget;
    }

    Clock::time_point Now() const { return ReadClock ? ReadClock() : Clock::now(); }
    bool IsCancelled() const { return Cancelled != nullptr && Cancelled->load(); }
    bool Over() const { return IsCancelled() || Now() >= Deadline; }
    double SecondsLeft() const {
        if (Deadline == Clock::time_point::max()) {
            return 1e9;
        }
        return std::chrono::duration<double>(Deadline - Now()).count();
    }
    // The same budget ending once the given share of the time left is
    // spent; without a deadline, or past it, the deadline stays as it is.
    PlanningBudget ShareOfTimeLeft(double share) const {
        PlanningBudget part = *this;
        if (Deadline != Clock::time_point::max()) {
            const Clock::time_point now = Now();
            if (Deadline > now) {
                part.Deadline =
                    now + std::chrono::duration_cast<Clock::duration>((Deadline - now) * share);
            }
        }
        return part;
    }
    void ReportProgress(const PlanProgress& progress) const {
        if (Progress) {
            Progress(progress);
        }
    }
};
