#include "core/CuttingReport.h"
#include "core/ReportText.h"
#include "model/GridLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/LengthNotation.h"
#include "core/NumberFormat.h"
#include "model/Exceptions.h"

namespace {

const std::string kRule = "______________________ ";
const std::string kConsistingOf = "Consisting of : ";

// Whether the text holds the marker, which starts with blanks. The search
// anchors on the marker's first visible character, which is rare in report
// lines, instead of on a blank, which every line is full of.
bool Holds(const std::string& text, const std::string& marker) {
    const std::size_t anchor = marker.find_first_not_of(' ');
    for (std::size_t at = text.find(marker[anchor], anchor); at != std::string::npos;
         at = text.find(marker[anchor], at + 1)) {
        if (text.compare(at - anchor, marker.size(), marker) == 0) {
            return true;
        }
    }
    return false;
}

// Lists every line present so far that holds the marker, each as one piece.
// Lines appended here are not searched again.
void ListLinesHolding(const std::string& marker, ReportLines& report) {
    const int searched = report.Count();
    for (int line = 0; line < searched; ++line) {
        const std::string& text = report.Line(line);
        if (Holds(text, marker)) {
            report.Add("1 " + text);
        }
    }
}

// The whole part of a quantity. Beyond the 64-bit range there is no whole
// part to take, which the platform reports as an invalid operation.
std::int64_t WholePieces(float quantity) {
    constexpr float kLimit = 9223372036854775808.0f;  // 2^63
    const float whole = std::trunc(quantity);
    if (!(whole > -kLimit && whole < kLimit)) {
        throw EInvalidOp();
    }
    return static_cast<std::int64_t>(whole);
}

std::int64_t CheckedSum(std::int64_t augend, std::int64_t addend) {
    std::int64_t sum = 0;
    if (__builtin_add_overflow(augend, addend, &sum)) {
        throw EOverflow();
    }
    return sum;
}

std::int64_t AppendItemTotals(int usedRows, TStringGrid& grid, char decimalSeparator,
                              ReportLines& report) {
    static const std::string kNoKey;
    std::int64_t itemSubtotal = 0;
    std::int64_t itemsTotal = 0;
    for (int row = 1; row <= usedRows; ++row) {
        const float quantity = ConvertFeet(CutTo255(grid.Cells(kQtyColumn, row)));
        itemSubtotal = CheckedSum(itemSubtotal, WholePieces(quantity));
        const std::string& nextKey = row < usedRows ? grid.Cells(kDecLenColumn, row + 1) : kNoKey;
        if (grid.Cells(kDecLenColumn, row) == nextKey) {
            continue;
        }
        grid.SetCells(kSubTotalColumn, row,
                      FormatCount(static_cast<double>(itemSubtotal), decimalSeparator));
        report.Add("Total of Item  {" + grid.Cells(kItemColumn, row) + "}  = " +
                   grid.Cells(kSubTotalColumn, row) + " of Len " + grid.Cells(kLengthColumn, row));
        itemsTotal = CheckedSum(itemsTotal, itemSubtotal);
        itemSubtotal = 0;
    }
    return itemsTotal;
}

}  // namespace

void Summarise(const NestingResult& nesting, const PreparedCutList& cutList,
               TStringGrid& cutListGrid, char separator, ReportLines& report) {
    report.Add("Summary");
    report.Add(kBlankLine);
    report.Add("Scrap Below " + FormatLength(cutList.ScrapBelow, separator));
    report.Add(kConsistingOf);
    ListLinesHolding(kScrapPrefix, report);
    report.Add(kBlankLine);
    report.Add("Total Scrap " + FormatLength(nesting.TotalScrap, separator));
    report.Add(kRule);
    report.Add("Remaining");
    report.Add(kConsistingOf);
    ListLinesHolding(kRemainingPrefix, report);
    report.Add(kBlankLine);
    report.Add("Total Remaining " + FormatLength(nesting.TotalRemaining, separator));
    report.Add(kRule);
    report.Add(kBlankLine);
    report.Add("Total Bars for job = " + FormatCount(nesting.BarNumber, separator));
    report.Add("Bar Length " + FormatLength(cutList.BarLength, separator));
    report.Add("Cut Width  " + FormatLength(cutList.CutWidth, separator));
    report.Add(kBlankLine);
    const int usedRows = std::clamp<int>(cutList.UsedRows, 0, PreparedCutList::Capacity);
    const std::int64_t itemsTotal = AppendItemTotals(usedRows, cutListGrid, separator, report);
    report.Add(kBlankLine);
    report.Add("Total Items " + FormatCount(static_cast<double>(itemsTotal), separator));
}
