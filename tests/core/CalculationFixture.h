#pragma once

#include <string>
#include <vector>

#include "core/Calculate.h"
#include "core/job/CutListPreparation.h"
#include "core/job/JobModels.h"
#include "model/GridLayout.h"

// A cut list row as typed: Qty, Length and Item #.
struct TypedRow {
    std::string qty;
    std::string length;
    std::string item;
};

// The models of one job as the window holds them, the sorter in its design
// state: typed into as the user types, prepared or calculated as the window's
// Calculate does it, keeping what a refusal announced and how many report
// lines stood when it was announced.
class CalculationFixture {
  public:
    CalculationFixture() = default;
    CalculationFixture(const std::vector<TypedRow>& rows, const std::vector<std::string>& bar) {
        for (std::size_t i = 0; i < rows.size(); ++i) {
            TypeRow(static_cast<int>(i) + kFirstDataRow, rows[i]);
        }
        barSettings.SetCols(kValueColumn, bar);
    }

    void TypeRow(int row, const TypedRow& typed) {
        cutList.SetCells(kQtyColumn, row, typed.qty);
        cutList.SetCells(kLengthColumn, row, typed.length);
        cutList.SetCells(kItemColumn, row, typed.item);
    }

    void SetBar(const std::string& length, const std::string& cut, const std::string& scrap) {
        barSettings.SetCells(kValueColumn, kBarLengthRow, length);
        barSettings.SetCells(kValueColumn, kCutWidthRow, cut);
        barSettings.SetCells(kValueColumn, kScrapBelowRow, scrap);
    }

    PreparationResult Prepare(bool autoItemNumber = false) {
        return PrepareCutList(models.Calculation(), sorter, autoItemNumber, '.');
    }

    PlanOutcome Calculate(const Options& options, const PlanningStep& plan = {}) {
        return ::Calculate(
            models.Calculation(), sorter, options, '.',
            [this](const std::string& text) {
                announced.push_back(text);
                linesWhenAnnounced = report.Count();
            },
            nullptr, plan);
    }

    JobModels models;
    TStringGrid& cutList = models.CutList;
    TStringGrid& barSettings = models.BarSettings;
    ReportLines& report = models.Report;
    TSortAStringGrid& sorter = models.Sorter;
    std::vector<std::string> announced;
    int linesWhenAnnounced = -1;
};
