#include "io/JobBinding.h"

namespace {

constexpr int ValueColumn = 1;

}  // namespace

Job TakeJob(const JobView& view) {
    Job job;
    job.Title = view.Title;
    for (int row = 0; row < Job::BarSettingRows; ++row) {
        job.BarSettings[row] = view.BarSettings.Cells(ValueColumn, row);
    }
    job.AutoItemNumber = view.AutoItemNumber;
    for (int row = 1; row <= Job::DataRows; ++row) {
        for (int column = 0; column < Job::Columns; ++column) {
            job.Cell(row, column) = view.CutList.Cells(column, row);
        }
    }
    return job;
}

void ApplyJob(const Job& job, const JobView& view) {
    view.Title = job.Title;
    for (int row = 0; row < Job::BarSettingRows; ++row) {
        view.BarSettings.SetCells(ValueColumn, row, job.BarSettings[row]);
    }
    view.AutoItemNumber = job.AutoItemNumber;
    for (int row = 1; row <= Job::DataRows; ++row) {
        for (int column = 0; column < Job::Columns; ++column) {
            view.CutList.SetCells(column, row, job.Cell(row, column));
        }
    }
}

void EmptyCutList(TStringGrid& cutList) {
    for (int row = 1; row < cutList.RowCount(); ++row) {
        for (int column = 0; column < cutList.ColCount(); ++column) {
            cutList.SetCells(column, row, "");
        }
    }
}
