#pragma once

#include <string>

#include "core/job/CalculationModels.h"
#include "io/job/JobBinding.h"
#include "model/Options.h"
#include "model/ReportLines.h"
#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

// Everything a job lives in, in the shape of model/GridLayout.h: the cut list,
// the bar settings, the report, the title, the options, the bar count and the
// grid sorter, all owned by one component as the window owns its controls.
// The main window binds its controls to these models; the batch tool uses
// them as they are.
struct JobModels {
    // As the window is created: the grids empty, the sorter in its design
    // state, the report without lines.
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
    // What Save As and Open read and write.
    JobView View() { return {Title, BarSettings, Options.AutoItemNumber, CutList}; }

    // The activation step's texts: the cut list's column headings in row 0,
    // the bar settings' row labels in column 0.
    void WriteHeadings();
};
