#pragma once

// The large jobs the benchmarks run, typed into the grids as a user would.
#include <cstdio>
#include <random>
#include <string>
#include <vector>

#include "core/Calculate.h"
#include "core/job/SorterDesign.h"
#include "model/GridLayout.h"
#include "model/Options.h"
#include "model/ReportLines.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

namespace benchmark_jobs {

struct TypedRow {
    std::string qty;
    std::string length;
};

// A length of whole eighths in one of the notations a workshop types:
// decimal, feet, feet and inches with a fraction, inches with a fraction.
inline std::string TypedLength(int eighths, int notation) {
    const int inches = eighths / 8;
    const int fraction = eighths % 8;
    char text[32];
    if (notation == 0) {
        std::snprintf(text, sizeof text, fraction ? "%d.%d" : "%d", inches, fraction * 125);
    } else if (notation == 1 && fraction == 0 && inches % 12 == 0) {
        std::snprintf(text, sizeof text, "%d'", inches / 12);
    } else if (notation <= 2 && inches >= 12) {
        std::snprintf(text, sizeof text, fraction ? "%d' %d %d/8" : "%d' %d", inches / 12,
                      inches % 12, fraction);
    } else {
        std::snprintf(text, sizeof text, fraction ? "%d %d/8" : "%d", inches, fraction);
    }
    return text;
}

// 499 rows of lengths 1 to 239 with quantities 1 to 200.
inline std::vector<TypedRow> MixedRows() {
    std::mt19937 random(20240611);
    std::vector<TypedRow> rows;
    for (int row = 0; row < 499; ++row) {
        const int eighths = 8 + static_cast<int>(random() % (238 * 8 + 1));
        rows.push_back({std::to_string(1 + random() % 200),
                        TypedLength(eighths, static_cast<int>(random() % 4))});
    }
    return rows;
}

// 20 rows of 50,000 pieces each.
inline std::vector<TypedRow> MillionPieceRows() {
    std::mt19937 random(7);
    std::vector<TypedRow> rows;
    for (int row = 0; row < 20; ++row) {
        const int eighths = 8 + static_cast<int>(random() % (238 * 8 + 1));
        rows.push_back({"50000", TypedLength(eighths, row % 4)});
    }
    return rows;
}

class Workshop {
  public:
    explicit Workshop(std::vector<TypedRow> rows)
        : rows_(std::move(rows)),
          cutList_(nullptr, kCutListColumns, kCutListRows),
          barSettings_(nullptr, kBarSettingsColumns, kBarSettingsRows),
          sorter_(nullptr) {}

    // The window's state before a Calculate: the typed cut list and bar
    // settings, and the sorter as the window lays it out.
    void Reset() {
        for (int row = kFirstDataRow; row < cutList_.RowCount(); ++row) {
            const auto index = static_cast<std::size_t>(row - kFirstDataRow);
            const bool typed = index < rows_.size();
            cutList_.SetRows(row, typed
                                      ? TStringGrid::TStrings{rows_[index].qty, rows_[index].length}
                                      : TStringGrid::TStrings{});
        }
        barSettings_.SetCols(kValueColumn, {"240", "0.125", "20"});
        LayOutSorter(sorter_, cutList_);
    }

    PlanOutcome Run() {
        Options options;
        options.AutoItemNumber = true;
        return Calculate({cutList_, barSettings_, report_}, sorter_, options, '.');
    }

    const ReportLines& Report() const { return report_; }

  private:
    std::vector<TypedRow> rows_;
    TStringGrid cutList_;
    TStringGrid barSettings_;
    ReportLines report_;
    TSortAStringGrid sorter_;
};

}  // namespace benchmark_jobs
