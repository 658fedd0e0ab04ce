#include "core/job/RowLabels.h"

#include "model/GridLayout.h"

std::vector<RowLabel> LabelRows(const TStringGrid& cutList, int usedRows) {
    std::vector<RowLabel> labels;
    labels.reserve(static_cast<std::size_t>(usedRows > 0 ? usedRows : 0));
    for (int row = kFirstDataRow; row <= usedRows; ++row) {
        labels.push_back(
            RowLabel{cutList.Cells(kLengthColumn, row), cutList.Cells(kItemColumn, row)});
    }
    return labels;
}
