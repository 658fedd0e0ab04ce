#pragma once

#include <string>
#include <vector>

#include "core/job/CalculationModels.h"
#include "sorter/SASG.h"

// What a Calculate may change before its plan is made: the cut list, the bar
// settings, the report and the sorter's settings. Taken before the command,
// it puts them back as they were when the user stops the planning.
class CalculationSnapshot {
  public:
    CalculationSnapshot(const CalculationModels& models, const TSortAStringGrid& sorter);

    void Restore(CalculationModels models, TSortAStringGrid& sorter) const;

  private:
    std::vector<TStringGrid::TStrings> cutList_;  // by column
    std::vector<TStringGrid::TStrings> barSettings_;
    std::vector<std::string> report_;
    std::int32_t startIndex_;
    std::int32_t endIndex_;
    std::int32_t sortIndex_;
    ToSortType sortType_;
    SortDirType sortDirection_;
};
