#include "core/job/SorterDesign.h"

#include "model/GridLayout.h"

void LayOutSorter(TSortAStringGrid& sorter, TStringGrid& cutList) {
    sorter.GridToSort = &cutList;
    sorter.StartIndex = kFirstDataRow;
    sorter.EndIndex = kFirstDataRow;
    sorter.SortIndex = kDecLenColumn;
    sorter.SortType = ToSortType::Numeric;
    sorter.SortDirection = SortDirType::Descending;
    sorter.HowToSort = ::SortType::Row;
    sorter.ShowMessageOnError = false;
}
