#pragma once

// Where things stand in the two grids Calculate works on.

// Columns of the cut list; row 0 holds their headings.
inline constexpr int kQtyColumn = 0;
inline constexpr int kLengthColumn = 1;
inline constexpr int kItemColumn = 2;
inline constexpr int kDecLenColumn = 3;    // written by Calculate
inline constexpr int kSubTotalColumn = 4;  // written by Calculate

// The bar settings hold their labels in column 0 and their values here.
inline constexpr int kValueColumn = 1;
inline constexpr int kBarLengthRow = 0;
inline constexpr int kCutWidthRow = 1;
inline constexpr int kScrapBelowRow = 2;
inline constexpr int kUsedRowsRow = 3;  // written by Calculate
inline constexpr int kLastErrRow = 4;   // written by Calculate
