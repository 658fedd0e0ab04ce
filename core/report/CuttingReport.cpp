#include "core/report/CuttingReport.h"
#include "core/report/ReportText.h"

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

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
            pieces += static_cast<double>(plan.RowOf(run).Charged - plan.CutWidth) * run.Count;
        }
    }
    const double yield = stockLength > 0.0 ? 100.0 * pieces / stockLength : 0.0;
    out.Add("Yield " + FormatMoney(yield, separator) + " %");
}

// An item's run of rows ends where the next row's "* Dec Len" text differs,
// compared as texts: lengths less than a thousandth apart share a key and
// count as one item, labelled by the last row. After the last row comes an
// empty key, which ends its run unless its own key is empty too.
bool EndsItem(const std::vector<PreparedRow>& rows, std::size_t index) {
    static const std::string kNoKey;
    const std::string& next = index + 1 < rows.size() ? rows[index + 1].DecLenKey : kNoKey;
    return rows[index].DecLenKey != next;
}

std::int64_t AppendItemTotals(const std::vector<PreparedRow>& rows, char decimalSeparator,
                              std::vector<ItemSubtotal>& subtotals, LineSink& out) {
    std::int64_t itemSubtotal = 0;
    std::int64_t itemsTotal = 0;
    for (std::size_t index = 0; index < rows.size(); ++index) {
        const PreparedRow& row = rows[index];
        itemSubtotal = CheckedSum(itemSubtotal, WholePieces(row.Quantity));
        if (!EndsItem(rows, index)) {
            continue;
        }
        subtotals.push_back(ItemSubtotal{static_cast<std::int32_t>(index) + 1, itemSubtotal});
        out.Add("Total of Item  {" + row.Item +
                "}  = " + FormatCount(static_cast<double>(itemSubtotal), decimalSeparator) +
                " of Len " + row.Length);
        itemsTotal = CheckedSum(itemsTotal, itemSubtotal);
        itemSubtotal = 0;
    }
    return itemsTotal;
}

void WriteSummaryLines(const CuttingPlan& plan, char separator,
                       std::vector<ItemSubtotal>& subtotals, LineSink& out) {
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
    const std::int64_t itemsTotal = AppendItemTotals(plan.Rows, separator, subtotals, out);
    out.Add(kBlankLine);
    out.Add("Total Items " + FormatCount(static_cast<double>(itemsTotal), separator));
}

}  // namespace

SummaryTotals WriteSummary(const CuttingPlan& plan, char separator, LineSink& out) {
    SummaryTotals totals;
    try {
        WriteSummaryLines(plan, separator, totals.Subtotals, out);
    } catch (...) {
        totals.Failure = std::current_exception();
    }
    return totals;
}

SummaryTotals WriteCuttingReport(const CuttingPlan& plan, const ReportOptions& options,
                                 LineSink& out) {
    WriteBars(plan, options, out);
    return WriteSummary(plan, options.DecimalSeparator, out);
}
