#pragma once

#include <chrono>

#include "core/Calculate.h"

class QWidget;

// Plans the bars on a thread of their own. A plan that is not ready within
// `moment` is waited for behind a modal progress dialog with a Cancel button,
// the event thread serving the window meanwhile. When the user cancelled, the
// outcome says so and holds nothing, even if the plan was found in the
// meantime; an error of the planning is thrown here, on the caller's thread.
PlanOutcome PlanWithProgress(QWidget* parent, const PreparedCutList& cutList,
                             const Options& options, double seconds,
                             std::chrono::milliseconds moment, const StockList* stock = nullptr);
