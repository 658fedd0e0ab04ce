#include "sorter/SorterMessages.h"

std::string SorterMessage(std::int32_t errorCode) {
    // The spellings are part of the component's contract: callers compare
    // against them and show them as they stand.
    switch (errorCode) {
        case -4:
            return "Case Sensitivity ignored for Date Sort.";
        case -3:
            return "Case Sensitivity ignored for Numeical Sort.";
        case -2:
            return "Column/Row contains non-date values for date sort. Sorted as Character.";
        case -1:
            return "Column/Row contains non-numerical values for numeric sort. Sorted as "
                   "Character.";
        case 0:
            return "Ok";
        case 1:
            return "No StringGrid given";
        case 2:
            return "StartIndex is greater or equal to EndIndex";
        case 3:
            return "StartIndex is less then 0";
        case 4:
            return "StartIndex is greater then number of rows/columns in StringGrid";
        case 5:
            return "EndIndex is greater then number of rows/columns in StringGrid";
        case 6:
            return "Sort Index is less then 0";
        case 7:
            return "Sort Index is greater then number of rows/columns in StringGrid";
        default:
            return std::string();
    }
}
