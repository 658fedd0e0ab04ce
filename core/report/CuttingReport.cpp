#include "core/report/CuttingReport.h"
#include "core/report/ReportText.h"
#include "model/GridLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <string>

#include "core/notation/LengthNotation.h"
#include "core/notation/NumberFormat.h"
#include "core/report/LeftoverTexts.h"
#include "model/Exceptions.h"

namespace {

const std::string kRule = "______________________ ";
const std::string kConsistingOf = "Consisting of : ";

// One line per leftover of the given kind, each listed as one piece.
void ListLeftovers(const CuttingPlan& plan, bool scrap, const std::string& prefix,
                   LeftoverTexts& leftovers, LineSink& out) {
    std::string line;
    for (const PlannedBar& bar : plan.Bars) {
        if (plan.IsScrap(bar) == scrap) {
            line = "1 " + prefix;
            line += leftovers.Of(bar.Left);
            out.Add(line);
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
                              LineSink& out) {
    static const std::string kNoKey;
    std::int64_t itemSubtotal = 0;
    std::int64_t itemsTotal = 0;
    for (int row = kFirstDataRow; row <= usedRows; ++row) {
        const float quantity = ConvertFeet(grid.Cells(kQtyColumn, row));
        itemSubtotal = CheckedSum(itemSubtotal, WholePieces(quantity));
        const std::string& nextKey = row < usedRows ? grid.Cells(kDecLenColumn, row + 1) : kNoKey;
        if (grid.Cells(kDecLenColumn, row) == nextKey) {
            continue;
        }
        grid.SetCells(kSubTotalColumn, row,
                      FormatCount(static_cast<double>(itemSubtotal), decimalSeparator));
        out.Add("Total of Item  {" + grid.Cells(kItemColumn, row) + "}  = " +
                grid.Cells(kSubTotalColumn, row) + " of Len " + grid.Cells(kLengthColumn, row));
        itemsTotal = CheckedSum(itemsTotal, itemSubtotal);
        itemSubtotal = 0;
    }
    return itemsTotal;
}

}  // namespace

void WriteSummary(const CuttingPlan& plan, TStringGrid& cutListGrid, char separator,
                  LineSink& out) {
    LeftoverTexts leftovers(separator);
    out.Add("Summary");
    out.Add(kBlankLine);
    out.Add("Scrap Below " + FormatLength(plan.ScrapBelow, separator));
    out.Add(kConsistingOf);
    ListLeftovers(plan, true, kScrapPrefix, leftovers, out);
    out.Add(kBlankLine);
    out.Add("Total Scrap " + FormatLength(plan.TotalScrap, separator));
    out.Add(kRule);
    out.Add("Remaining");
    out.Add(kConsistingOf);
    ListLeftovers(plan, false, kRemainingPrefix, leftovers, out);
    out.Add(kBlankLine);
    out.Add("Total Remaining " + FormatLength(plan.TotalRemaining, separator));
    out.Add(kRule);
    out.Add(kBlankLine);
    out.Add("Total Bars for job = " +
            FormatCount(static_cast<double>(plan.Bars.size()), separator));
    out.Add("Bar Length " + FormatLength(plan.BarLength, separator));
    out.Add("Cut Width  " + FormatLength(plan.CutWidth, separator));
    out.Add(kBlankLine);
    const int usedRows = static_cast<int>(plan.RowLabels.size());
    const std::int64_t itemsTotal = AppendItemTotals(usedRows, cutListGrid, separator, out);
    out.Add(kBlankLine);
    out.Add("Total Items " + FormatCount(static_cast<double>(itemsTotal), separator));
}

void WriteCuttingReport(const CuttingPlan& plan, TStringGrid& cutListGrid,
                        const ReportOptions& options, LineSink& out) {
    WriteBars(plan, options, out);
    WriteSummary(plan, cutListGrid, options.DecimalSeparator, out);
}
