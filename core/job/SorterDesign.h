#pragma once

#include "model/TStringGrid.h"
#include "sorter/SASG.h"

// The grid sorter as the window is designed with it: sorting whole rows of the
// cut list by "* Dec Len", longest first, with no message boxes.
void LayOutSorter(TSortAStringGrid& sorter, TStringGrid& cutList);
