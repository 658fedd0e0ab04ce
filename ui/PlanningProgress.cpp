#include "ui/PlanningProgress.h"

#include <QEventLoop>
#include <QProgressDialog>
#include <QTimer>
#include <atomic>
#include <cmath>
#include <future>
#include <memory>
#include <mutex>
#include <optional>

#include "core/report/BoundText.h"
#include "diagram/Latin1.h"

namespace {

constexpr std::chrono::milliseconds kPollInterval{50};
// The progress bar counts tenths of a second of the time budget.
constexpr double kStepsPerSecond = 10.0;

bool Ready(const std::future<PlanOutcome>& planning, std::chrono::milliseconds wait) {
    return planning.wait_for(wait) == std::future_status::ready;
}

// The search's latest word on its best plan and bound, handed from its thread
// to the box's, which shows it at its next look.
class LatestProgress {
  public:
    void Tell(const PlanProgress& progress) {
        const std::lock_guard<std::mutex> lock(mutex_);
        latest_ = progress;
    }
    std::optional<PlanProgress> Take() {
        const std::lock_guard<std::mutex> lock(mutex_);
        std::optional<PlanProgress> taken = latest_;
        latest_.reset();
        return taken;
    }

  private:
    std::mutex mutex_;
    std::optional<PlanProgress> latest_;
};

}  // namespace

PlanOutcome PlanWithProgress(QWidget* parent, const PreparedCutList& cutList,
                             const Options& options, double seconds,
                             std::chrono::milliseconds moment, const StockList* stock) {
    std::atomic<bool> cancelled{false};
    // Shared with the search, which may tell it of progress until it ends.
    const auto progress = std::make_shared<LatestProgress>();
    std::future<PlanOutcome> planning = std::async(
        std::launch::async, [cutList, plan = DefaultPlanning(options, stock, seconds, &cancelled,
                                                             [progress](const PlanProgress& now) {
                                                                 progress->Tell(now);
                                                             })] { return plan(cutList); });
    if (moment.count() > 0 && Ready(planning, moment)) {
        return planning.get();
    }

    const int steps = static_cast<int>(std::ceil(seconds * kStepsPerSecond));
    const QString looking = QStringLiteral("Looking for the plan with the fewest bars...");
    QProgressDialog dialog(looking, QStringLiteral("Cancel"), 0, steps, parent);
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
        if (const std::optional<PlanProgress> now = progress->Take()) {
            dialog.setLabelText(looking + QLatin1Char('\n') + ToQString(ProgressText(*now)));
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
        PlanOutcome nothing;
        nothing.Cancelled = true;
        return nothing;
    }
    return planning.get();
}
