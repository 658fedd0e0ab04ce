#pragma once

#include <string>
#include <vector>

#include "model/MessageBoxes.h"
#include "model/TComponent.h"
#include "model/TStringGrid.h"
#include "sorter/SASG.h"

// Records the boxes the sorter would show.
class RecordingBoxes : public IMessageBoxes {
  public:
    std::vector<std::string> errors;
    std::vector<std::string> warnings;
    void ShowError(const std::string& text) override { errors.push_back(text); }
    void ShowWarning(const std::string& text) override { warnings.push_back(text); }
};

// A window-like owner holding a grid and a sorter, as the main window does.
// The grid has a heading row 0, one data row per key (rows 1..n) and one
// trailing row; column 0 names each row by its original index, column 1 holds
// the key and column 2 a second tag, so a moved row shows it moved whole.
struct SorterFixture {
    TComponent owner;
    TStringGrid* grid;
    TSortAStringGrid sorter{&owner};
    RecordingBoxes boxes;

    explicit SorterFixture(const std::vector<std::string>& keys)
        : grid(new TStringGrid(&owner, 3, static_cast<int>(keys.size()) + 2)) {
        grid->SetRows(0, {"name", "key", "tag"});
        for (std::size_t i = 0; i < keys.size(); ++i) {
            const std::string row = std::to_string(i + 1);
            grid->SetRows(static_cast<int>(i) + 1, {row, keys[i], "t" + row});
        }
        grid->SetRows(static_cast<int>(keys.size()) + 1, {"after", "", "end"});
        sorter.GridToSort = grid;
        sorter.StartIndex = 1;
        sorter.EndIndex = static_cast<int>(keys.size());
        sorter.SortIndex = 1;
        sorter.MessageBoxes = &boxes;
        sorter.DateSettings.CurrentYear = 2026;
    }
    ~SorterFixture() { delete grid; }
    SorterFixture(const SorterFixture&) = delete;
    SorterFixture& operator=(const SorterFixture&) = delete;

    // Original indices of rows 1..n, in their current order.
    std::vector<int> Order() const {
        std::vector<int> order;
        for (int row = 1; row + 1 < grid->RowCount(); ++row) {
            order.push_back(std::stoi(grid->Cells(0, row)));
        }
        return order;
    }

    // True when every row still carries its own key and tag, and the heading
    // and trailing rows are where they were.
    bool RowsIntact(const std::vector<std::string>& keys) const {
        if (grid->Rows(0) != TStringGrid::TStrings{"name", "key", "tag"} ||
            grid->Rows(grid->RowCount() - 1) != TStringGrid::TStrings{"after", "", "end"}) {
            return false;
        }
        for (int row = 1; row + 1 < grid->RowCount(); ++row) {
            const int from = std::stoi(grid->Cells(0, row));
            if (grid->Cells(1, row) != keys[static_cast<std::size_t>(from) - 1] ||
                grid->Cells(2, row) != "t" + std::to_string(from)) {
                return false;
            }
        }
        return true;
    }
};
