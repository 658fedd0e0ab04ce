#pragma once

#include <array>

// The shape of the two grids a job lives in, for every layer that reads or
// writes them: the window, the calculation, the job and settings files and
// the batch tool.

// The cut list: a heading row 0 over the data rows 1 to 499.
inline constexpr int kCutListColumns = 5;
inline constexpr int kCutListRows = 500;
inline constexpr int kHeadingRow = 0;
inline constexpr int kFirstDataRow = 1;
inline constexpr int kCutListDataRows = kCutListRows - kFirstDataRow;

inline constexpr int kQtyColumn = 0;
inline constexpr int kLengthColumn = 1;
inline constexpr int kItemColumn = 2;
inline constexpr int kDecLenColumn = 3;    // written by Calculate
inline constexpr int kSubTotalColumn = 4;  // written by Calculate

inline constexpr std::array<const char*, kCutListColumns> kCutListHeadings = {
    " Qty", " Length", " Item #", "* Dec Len", "* Sub Total"};

// The bar settings: the labels in column 0, the values in column 1. Rows 0 to
// 2 are typed by the user and kept in the job and settings files; rows 3 and 4
// are written by Calculate and kept nowhere.
inline constexpr int kBarSettingsColumns = 2;
inline constexpr int kBarSettingsRows = 5;
inline constexpr int kLabelColumn = 0;
inline constexpr int kValueColumn = 1;

inline constexpr int kBarLengthRow = 0;
inline constexpr int kCutWidthRow = 1;
inline constexpr int kScrapBelowRow = 2;
inline constexpr int kUsedRowsRow = 3;  // written by Calculate
inline constexpr int kLastErrRow = 4;   // written by Calculate
inline constexpr int kBarSettingsInputRows = 3;

inline constexpr std::array<const char*, kBarSettingsRows> kBarSettingsLabels = {
    " Bar Length", " Cut Width", " Scrap Below", " Used Rows", " Last Err"};
