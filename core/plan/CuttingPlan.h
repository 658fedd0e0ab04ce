#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <vector>

// A run of like pieces cut one after another from a bar: Count pieces of the
// cut list row Row (1..UsedRows), each charged its decimal length plus one cut
// width.
struct PieceRun {
    std::int32_t Row = 0;
    std::int32_t Count = 0;
};

// One stock bar of a plan: its runs, in cut order, are Runs[FirstRun] to
// Runs[FirstRun + RunCount - 1] of the plan. Left is the leftover as the
// nesting's 32-bit arithmetic leaves it after the last piece.
struct PlannedBar {
    std::uint32_t FirstRun = 0;
    std::uint32_t RunCount = 0;
    float Left = 0.0f;
};

// One cut list row as Calculate read it from the sorted grid, once: what its
// pieces are labelled with in the report and the diagrams even after the grid
// has changed, and what the summary counts.
struct PreparedRow {
    std::string Length;  // the " Length" cell, cleaned
    std::string Item;    // the " Item #" cell
    // The "* Dec Len" cell: the decimal length to a thousandth as a text, or
    // empty for a length of 0 or less. Rows are one item of the summary while
    // this text stays the same, so lengths a thousandth apart count together.
    std::string DecLenKey;
    float Quantity = 0.0f;  // the Qty cell as the length notation reads it
    float Decimal = 0.0f;   // the decimal length of the Length cell
    // What each piece takes from a bar: Decimal plus one cut width.
    float Charged = 0.0f;
};

// A stock length a plan cuts bars from, when it plans from stock.
struct PlanStock {
    float Length = 0.0f;  // the bar as it stands on the rack
    float Usable = 0.0f;  // what is left for the pieces after the end trim
    std::optional<double> Cost;
    std::string LengthText;  // as typed in the stock list
};

// The one result every planner returns: the bars in report order, each with
// its pieces and its leftover. The report, the summary and the cutting
// diagrams are all written from it. The runs of all bars share one array so
// that a plan of millions of bars stays a few flat vectors.
struct CuttingPlan {
    std::vector<PieceRun> Runs;
    std::vector<PlannedBar> Bars;

    float BarLength = 0.0f;
    float CutWidth = 0.0f;
    float ScrapBelow = 0.0f;
    float TotalScrap = 0.0f;      // sum of the scrap leftovers, in bar order
    float TotalRemaining = 0.0f;  // sum of the remaining leftovers, in bar order

    // The cut list rows 1..UsedRows the plan was made for: Rows[Row - 1],
    // taken from the prepared cut list.
    std::vector<PreparedRow> Rows;

    // Planned from stock: the stock lengths, and for each bar, in bar order,
    // the index of the one it is cut from. Both empty for bars of BarLength.
    std::vector<PlanStock> Stock;
    std::vector<std::int32_t> BarStock;
    float EndTrim = 0.0f;  // taken off each stock bar before its first cut

    std::span<const PieceRun> RunsOf(const PlannedBar& bar) const {
        return std::span<const PieceRun>(Runs).subspan(bar.FirstRun, bar.RunCount);
    }
    const PlanStock& StockOf(std::size_t bar) const {
        return Stock[static_cast<std::size_t>(BarStock[bar])];
    }
    // A leftover shorter than the scrap threshold is scrap, any other remains.
    bool IsScrap(const PlannedBar& bar) const { return bar.Left < ScrapBelow; }
    const PreparedRow& RowOf(const PieceRun& run) const {
        return Rows[static_cast<std::size_t>(run.Row) - 1];
    }
};
