#include "core/report/CuttingReport.h"
#include "core/report/ReportText.h"
#include "model/GridLayout.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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

// Money and percentages: two decimals.
std::string FormatMoney(double value, char separator) {
    char text[64];
    std::snprintf(text, sizeof text, "%.2f", value);
    std::string formatted = text;
    std::replace(formatted.begin(), formatted.end(), '.', separator);
    return formatted;
}

// Per stock length the bars cut from it, then what the stock cost, its
// length and the share of it that went into pieces.
void WriteStockUsed(const CuttingPlan& plan, char separator, LineSink& out) {
    std::vector<std::int64_t> bars(plan.Stock.size(), 0);
    for (const std::int32_t stock : plan.BarStock) {
        ++bars[static_cast<std::size_t>(stock)];
    }
    double stockLength = 0.0;
    double cost = 0.0;
    bool costed = true;
    for (std::size_t s = 0; s < plan.Stock.size(); ++s) {
        if (bars[s] == 0) {
            continue;
        }
        out.Add("Bars of Stock Length " + plan.Stock[s].LengthText + " = " +
                FormatCount(static_cast<double>(bars[s]), separator));
        stockLength += static_cast<double>(plan.Stock[s].Length) * static_cast<double>(bars[s]);
        costed = costed && plan.Stock[s].Cost.has_value();
        cost += plan.Stock[s].Cost.value_or(0.0) * static_cast<double>(bars[s]);
    }
    if (plan.EndTrim > 0.0f) {
        out.Add("End Trim " + FormatLength(plan.EndTrim, separator));
    }
    if (costed) {
        out.Add("Total Cost " + FormatMoney(cost, separator));
    }
    out.Add("Total Stock Length " + FormatLength(static_cast<float>(stockLength), separator));
    double pieces = 0.0;
    for (const PlannedBar& bar : plan.Bars) {
        for (const PieceRun& run : plan.RunsOf(bar)) {
            const float charged = plan.PieceLengths.empty()
                                      ? 0.0f
                                      : plan.PieceLengths[static_cast<std::size_t>(run.Row) - 1];
            pieces += static_cast<double>(charged - plan.CutWidth) * run.Count;
        }
    }
    const double yield = stockLength > 0.0 ? 100.0 * pieces / stockLength : 0.0;
    out.Add("Yield " + FormatMoney(yield, separator) + " %");
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
    if (plan.BarStock.empty()) {
        out.Add("Bar Length " + FormatLength(plan.BarLength, separator));
    } else {
        WriteStockUsed(plan, separator, out);
    }
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
