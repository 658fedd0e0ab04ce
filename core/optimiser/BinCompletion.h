#pragma once

#include <cstdint>
#include <optional>
#include <vector>

#include "core/optimiser/OptimiserSettings.h"
#include "core/optimiser/PieceTypes.h"
#include "core/plan/PlanningBudget.h"

// Searches for a plan of the pieces on at most `bars` bars by bin completion:
// bar after bar is opened with the longest piece left and completed by one of
// the sets of remaining pieces that waste least, backing out of a bar when the
// waste of the bars so far leaves too little length for the pieces still to
// cut. The search gives up after `nodeLimit` steps; `seed` varies the order in
// which completions of equal waste are tried. Every bar passes the nesting's
// 32-bit test.
std::optional<std::vector<PatternUse>> CompleteIntoBars(const PieceTypes& types,
                                                        std::vector<std::int64_t> pieces,
                                                        std::int64_t bars,
                                                        const PlanningBudget& budget,
                                                        std::int64_t nodeLimit, unsigned seed,
                                                        const CompletionSettings& settings);
