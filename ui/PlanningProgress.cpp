#include "ui/PlanningProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <future>

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};
// The progress bar counts tenths of a second of the time budget.
constexpr double kStepsPerSecond = 10.0;

bool Ready(const std::future<PlanOutcome>& planning, std::chrono::milliseconds wait) {
    return planning.wait_for(wait) == std::future_status::ready;
}

}  // namespace

PlanOutcome PlanWithProgress(QWidget* parent, const PreparedCutList& cutList,
                             const Options& options, double seconds,
                             std::chrono::milliseconds moment, const StockList* stock) {
    std::atomic<bool> cancelled{false};
    std::future<PlanOutcome> planning = std::async(
        std::launch::async, [cutList, plan = DefaultPlanning(options, stock, seconds, &cancelled)] {
            return plan(cutList);
        });
    if (moment.count() > 0 && Ready(planning, moment)) {
        return planning.get();
    }

    const int steps = static_cast<int>(std::ceil(seconds * kStepsPerSecond));
    QProgressDialog dialog(QStringLiteral("Looking for the plan with the fewest bars..."),
                           QStringLiteral("Cancel"), 0, steps, parent);
    dialog.setObjectName(QStringLiteral("PlanningProgress"));
    dialog.setWindowTitle(QStringLiteral("Velmar"));
    dialog.setWindowModality(Qt::WindowModal);
    dialog.setMinimumDuration(0);
    dialog.setAutoReset(false);
    dialog.setAutoClose(false);
    dialog.setValue(0);

    QEventLoop loop;
    bool userCancelled = false;
    QObject::connect(&dialog, &QProgressDialog::canceled, &loop, [&] {
        userCancelled = true;
        cancelled = true;
        loop.quit();
    });
    const auto started = std::chrono::steady_clock::now();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (Ready(planning, std::chrono::milliseconds(0))) {
            loop.quit();
            return;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        dialog.setValue(std::min(steps, static_cast<int>(elapsed.count() * kStepsPerSecond)));
    });
    poll.start(kPollInterval);
    dialog.show();
    loop.exec();
    poll.stop();
    dialog.hide();

    if (userCancelled) {
        // Told to stop, the search ends within a step; whatever it found or
        // failed at no longer matters.
        planning.wait();
        PlanOutcome nothing;
        nothing.Cancelled = true;
        return nothing;
    }
    return planning.get();
}
