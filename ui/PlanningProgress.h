#pragma once

#include <chrono>
#include <optional>

#include "core/Calculate.h"

class QWidget;

// Plans the bars on a thread of their own. A plan that is not ready within
// `moment` is waited for behind a modal progress dialog with a Cancel button,
// the event thread serving the window meanwhile. Nothing comes back when the
// user cancelled, even if the plan was found in the meantime; an error of the
// planning is thrown here, on the caller's thread.
std::optional<PlannedBars> PlanWithProgress(QWidget* parent, const PreparedCutList& cutList,
                                            const Options& options, double seconds,
                                            std::chrono::milliseconds moment,
                                            const StockList* stock = nullptr);
