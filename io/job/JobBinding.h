#pragma once

#include <string>

#include "io/job/Job.h"
#include "model/TStringGrid.h"

// The window's side of a job: the title text, the bar settings grid (values
// in column 1, rows 0 to 2), the Auto Item Number box and the cut list grid
// (data rows from 1, five columns).
struct JobView {
    std::string& Title;
    TStringGrid& BarSettings;
    bool& AutoItemNumber;
    TStringGrid& CutList;
};

// The job as it stands in the window, for Save As.
Job TakeJob(const JobView& view);

// Puts a job that has been read into the window. The report and the cut
// list's data rows are the caller's to empty first (EmptyCutList).
void ApplyJob(const Job& job, const JobView& view);

// Empties all five cells of every data row of the cut list.
void EmptyCutList(TStringGrid& cutList);
