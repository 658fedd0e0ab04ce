#pragma once

#include <cmath>
#include <optional>
#include <string>
#include <vector>

#include "core/plan/FirstFit.h"
#include "core/plan/PlanOutcome.h"
#include "core/plan/PreparedCutList.h"
#include "core/report/BarLines.h"
#include "core/report/CuttingReport.h"
#include "model/ReportLines.h"
#include "model/TStringGrid.h"

// A cut list as the preparation stage leaves it, built by hand: rows in their
// final order with Qty, Length and Item # texts, "* Dec Len" keys, and the
// prepared quantities and charged lengths.
struct JobRow {
    std::string qty;
    std::string length;
    std::string item;
    // The decimal length where the Length text is not a plain decimal number.
    std::optional<float> decimal = std::nullopt;
};

struct BarSettings {
    float barLength = 0.0f;
    float cutWidth = 0.0f;
    float scrapBelow = 0.0f;
};

class HandBuiltJob {
  public:
    HandBuiltJob(const BarSettings& bar, const std::vector<JobRow>& rows) : grid(nullptr, 5, 500) {
        cutList.BarLength = bar.barLength;
        cutList.CutWidth = bar.cutWidth;
        cutList.ScrapBelow = bar.scrapBelow;
        cutList.UsedRows = static_cast<int>(rows.size());
        for (std::size_t i = 0; i < rows.size(); ++i) {
            const int row = static_cast<int>(i) + 1;
            const JobRow& r = rows[i];
            const float decimal = r.decimal ? *r.decimal : std::stof(r.length);
            grid.SetCells(0, row, r.qty);
            grid.SetCells(1, row, r.length);
            grid.SetCells(2, row, r.item);
            const float key = decimal * 1000.0f;
            grid.SetCells(3, row, decimal > 0.0f ? std::to_string(std::llround(key)) : "");
            PreparedRow prepared{r.length,         r.item,  grid.Cells(3, row),
                                 std::stof(r.qty), decimal, decimal + bar.cutWidth};
            cutList.PieceQty[row] = prepared.Quantity;
            cutList.PieceLen[row] = prepared.Charged;
            cutList.Rows.push_back(std::move(prepared));
        }
    }

    // Plans the bars and writes their part of the report, as Calculate does.
    PlanOutcome PlanFirstFit(bool shortReport, bool alternateMethod, char separator = '.') {
        report.Clear();
        FirstFitOptions options;
        options.AlternateMethod = alternateMethod;
        PlanOutcome result = ::PlanFirstFit(cutList, options);
        if (result.Refused) {
            return result;
        }
        const ReportOptions reportOptions{shortReport, separator};
        result.Refused = MissingItemNumber(*result.Plan, reportOptions);
        if (!result.Refused) {
            ReportLinesSink sink(report);
            WriteBars(*result.Plan, reportOptions, sink);
        }
        return result;
    }

    // Appends the summary of a plan made by PlanFirstFit.
    SummaryTotals Summarise(const PlanOutcome& firstFit, char separator = '.') {
        ReportLinesSink sink(report);
        return WriteSummary(*firstFit.Plan, separator, sink);
    }

    TStringGrid grid;
    PreparedCutList cutList;
    ReportLines report;
};

// The three-row job of the worked example: 3 x 96, 2 x 48, 4 x 30 on bars of
// 240 with a cut width of 0.125 and scrap below 20.
inline const BarSettings kExampleBar{240.0f, 0.125f, 20.0f};
inline const std::vector<JobRow> kExampleRows{{"3", "96", "1"}, {"2", "48", "2"}, {"4", "30", "3"}};
