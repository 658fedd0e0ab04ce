#include "core/job/JobModels.h"

#include <cstddef>

#include "core/job/SorterDesign.h"
#include "model/GridLayout.h"

JobModels::JobModels()
    : Owner(nullptr),
      CutList(&Owner, kCutListColumns, kCutListRows),
      BarSettings(&Owner, kBarSettingsColumns, kBarSettingsRows),
      Sorter(&Owner) {
    CutList.FixedRows = 1;
    BarSettings.FixedCols = 1;
    LayOutSorter(Sorter, CutList);
}

void JobModels::WriteHeadings() {
    for (int col = 0; col < kCutListColumns; ++col) {
        CutList.SetCells(col, kHeadingRow, kCutListHeadings[static_cast<std::size_t>(col)]);
    }
    for (int row = 0; row < kBarSettingsRows; ++row) {
        BarSettings.SetCells(kLabelColumn, row, kBarSettingsLabels[static_cast<std::size_t>(row)]);
    }
}
