#pragma once

#include "model/TStringGrid.h"
#include "sorter/SASG.h"

// The parts of the main window's layout that live in the models, so that the
// window and the batch tool lay out a job alike.

// The activation step's texts and widths: the cut list's column headings in
// row 0 with their widths, and the bar settings' row labels in column 0 with
// the widths of both columns.
void WriteGridHeadings(TStringGrid& cutList, TStringGrid& barSettings);

// The grid sorter as the window is designed with it: sorting whole rows of the
// cut list by "* Dec Len", longest first, with no message boxes.
void LayOutSorter(TSortAStringGrid& sorter, TStringGrid& cutList);
