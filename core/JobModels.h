#pragma once

#include <string>

#include "core/CalculationModels.h"
#include "model/Options.h"
#include "model/ReportLines.h"
#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

// Everything a job lives in, laid out as the main window lays it out once it
// has been activated: the cut list (5 columns, 500 rows, headings in row 0),
// the bar settings (2 columns, 5 rows, labels in column 0), the report, the
// title, the options, the bar count and the grid sorter, all owned by one
// component as the window owns its controls. A window binds its controls to
// these models; the batch tool uses them as they are.
struct JobModels {
    JobModels();
    JobModels(const JobModels&) = delete;
    JobModels& operator=(const JobModels&) = delete;

    // Declared first so that it outlives everything it owns.
    TComponent Owner;
    TStringGrid CutList;      // StringGrid1
    TStringGrid BarSettings;  // StringGrid2
    TSortAStringGrid Sorter;  // SortAStringGrid1, sorting CutList
    ReportLines Report;       // Memo1

    std::string Title = " Untitled";  // Title1
    // As the settings file leaves them when there is none: all unchecked.
    ::Options Options;
    std::string BarCount = "0";  // Label2

    CalculationModels Calculation() { return {CutList, BarSettings, Report}; }
};
