#include "core/JobModels.h"

#include "core/WindowLayout.h"

JobModels::JobModels()
    : Owner(nullptr),
      CutList(&Owner, CutListColumns, CutListRows),
      BarSettings(&Owner, BarSettingsColumns, BarSettingsRows),
      Sorter(&Owner) {
    CutList.FixedRows = 1;
    BarSettings.FixedCols = 1;
    WriteGridHeadings(CutList, BarSettings);
    LayOutSorter(Sorter, CutList);
}
