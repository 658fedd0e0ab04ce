#include "ui/PlanningProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <future>
#include <memory>

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};
// The progress bar counts tenths of a second of the time budget.
constexpr double kStepsPerSecond = 10.0;

bool Ready(const std::future<PlannedBars>& planning, std::chrono::milliseconds wait) {
    return planning.wait_for(wait) == std::future_status::ready;
}

}  // namespace

std::optional<PlannedBars> PlanWithProgress(QWidget* parent, const PreparedCutList& cutList,
                                            const Options& options, double seconds,
                                            std::chrono::milliseconds moment,
                                            const StockList* stock) {
    std::atomic<bool> cancelled{false};
    // Written by the planning thread, read by the poll: the best plan's bars
    // and the bound, 0 until the search first tells them.
    auto bestBars = std::make_shared<std::atomic<std::int64_t>>(0);
    auto bound = std::make_shared<std::atomic<std::int64_t>>(0);
    PlanningLimits limits;
    limits.Progress = [bestBars, bound](std::int64_t bars, std::int64_t fewest) {
        bound->store(fewest);
        bestBars->store(bars);
    };
    limits.Stock = stock;
    limits.Seconds = seconds;
    limits.Cancelled = &cancelled;
    std::future<PlannedBars> planning = std::async(std::launch::async, [cutList, options, limits] {
        return PlanBars(cutList, options, limits);
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
    const QString looking = dialog.labelText();
    std::int64_t shownBars = 0;
    std::int64_t shownBound = 0;
    const auto started = std::chrono::steady_clock::now();
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, &loop, [&] {
        if (Ready(planning, std::chrono::milliseconds(0))) {
            loop.quit();
            return;
        }
        const std::chrono::duration<double> elapsed = std::chrono::steady_clock::now() - started;
        dialog.setValue(std::min(steps, static_cast<int>(elapsed.count() * kStepsPerSecond)));
        const std::int64_t bars = bestBars->load();
        const std::int64_t fewest = bound->load();
        if (bars > 0 && (bars != shownBars || fewest != shownBound)) {
            shownBars = bars;
            shownBound = fewest;
            dialog.setLabelText(
                looking +
                QStringLiteral("\nBest plan so far: %1 bars; no plan can use fewer than %2.")
                    .arg(bars)
                    .arg(fewest));
        }
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
        return std::nullopt;
    }
    return planning.get();
}
