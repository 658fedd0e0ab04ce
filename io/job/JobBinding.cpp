#include "io/job/JobBinding.h"

#include "model/GridLayout.h"

Job TakeJob(const JobView& view) {
    Job job;
    job.Title = view.Title;
    for (int row = 0; row < kBarSettingsInputRows; ++row) {
        job.BarSettings[row] = view.BarSettings.Cells(kValueColumn, row);
    }
    job.AutoItemNumber = view.AutoItemNumber;
    for (int row = kFirstDataRow; row < kCutListRows; ++row) {
        for (int column = 0; column < kCutListColumns; ++column) {
            job.Cell(row, column) = view.CutList.Cells(column, row);
        }
    }
    return job;
}

void ApplyJob(const Job& job, const JobView& view) {
    view.Title = job.Title;
    for (int row = 0; row < kBarSettingsInputRows; ++row) {
        view.BarSettings.SetCells(kValueColumn, row, job.BarSettings[row]);
    }
    view.AutoItemNumber = job.AutoItemNumber;
    for (int row = kFirstDataRow; row < kCutListRows; ++row) {
        for (int column = 0; column < kCutListColumns; ++column) {
            view.CutList.SetCells(column, row, job.Cell(row, column));
        }
    }
}

void EmptyCutList(TStringGrid& cutList) {
    for (int row = kFirstDataRow; row < cutList.RowCount(); ++row) {
        for (int column = 0; column < cutList.ColCount(); ++column) {
            cutList.SetCells(column, row, "");
        }
    }
}
