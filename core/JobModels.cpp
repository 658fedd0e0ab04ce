#include "core/JobModels.h"

#include "core/WindowLayout.h"
#include "model/GridLayout.h"

JobModels::JobModels()
    : Owner(nullptr),
      CutList(&Owner, kCutListColumns, kCutListRows),
      BarSettings(&Owner, kBarSettingsColumns, kBarSettingsRows),
      Sorter(&Owner) {
    CutList.FixedRows = 1;
    BarSettings.FixedCols = 1;
    WriteGridHeadings(CutList, BarSettings);
    LayOutSorter(Sorter, CutList);
}
