// The stock on hand in the window: its grid, its file and taking a plan's
// bars from it.
#include <QCheckBox>
#include <QDir>
#include <QFileInfo>
#include <QLineEdit>
#include <QUndoStack>
#include <fstream>
#include <iterator>

#include "core/stock/TakeFromStock.h"
#include "diagram/Latin1.h"
#include "model/Exceptions.h"
#include "ui/FieldEditCommand.h"
#include "ui/GridTableModel.h"
#include "ui/Main.h"

namespace {

constexpr int kStockLengthColumn = 0;
constexpr int kStockOnHandColumn = 1;
constexpr int kStockCostColumn = 2;

// The stock file opened or saved last is named in a file beside the settings.
std::string LastStockNote(const std::string& settingsPath) {
    return (QFileInfo(QString::fromStdString(settingsPath)).absolutePath() + "/LastStock.txt")
        .toStdString();
}

}  // namespace

bool TMainForm::StockChanged() const {
    return FormatStockFile(StockFileOfGrid()) != stockSaved_;
}

void TMainForm::NoteStockSaved() {
    stockSaved_ = FormatStockFile(StockFileOfGrid());
    ShowStockState();
}

void TMainForm::ShowStockState() {
    QString title = QStringLiteral("Velmar Stock");
    if (!stockPath_.empty()) {
        title += QStringLiteral(" - ") + QFileInfo(QString::fromStdString(stockPath_)).fileName();
    }
    StockWindow->setWindowTitle(title + QStringLiteral("[*]"));
    StockWindow->setWindowModified(StockChanged());
}

bool TMainForm::MaySetStockAside() {
    if (!StockChanged()) {
        return true;
    }
    const std::string name =
        stockPath_.empty() ? std::string("the stock list")
                           : ToLatin1(QFileInfo(QString::fromStdString(stockPath_)).fileName());
    switch (boxes_->AskToSave("Save the changes to " + name + "?")) {
        case SaveChoice::Save:
            FileSaveStock();
            return !StockChanged();
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

StockFile TMainForm::StockFileOfGrid() const {
    StockFile file;
    int last = 0;
    for (int row = 1; row < stock_.RowCount(); ++row) {
        for (int column = 0; column < 3; ++column) {
            if (!stock_.Cells(column, row).empty()) {
                last = row;
            }
        }
    }
    for (int row = 1; row <= last; ++row) {
        file.Lines.push_back({stock_.Cells(kStockLengthColumn, row),
                              stock_.Cells(kStockOnHandColumn, row),
                              stock_.Cells(kStockCostColumn, row), row});
    }
    file.EndTrim = ToLatin1(StockEndTrim1->text());
    return file;
}

void TMainForm::ShowStockFile(const StockFile& file) {
    for (int row = 1; row < stock_.RowCount(); ++row) {
        const std::size_t line = static_cast<std::size_t>(row) - 1;
        const bool given = line < file.Lines.size();
        stock_.SetCells(kStockLengthColumn, row, given ? file.Lines[line].Length : "");
        stock_.SetCells(kStockOnHandColumn, row, given ? file.Lines[line].OnHand : "");
        stock_.SetCells(kStockCostColumn, row, given ? file.Lines[line].Cost : "");
    }
    ShowEndTrim(ToQString(file.EndTrim));
    stockView_->Refresh();
}

void TMainForm::ShowEndTrim(const QString& text) {
    endTrimRecorded_ = text;
    StockEndTrim1->setText(text);
}

void TMainForm::RecordEndTrimEdit() {
    const QString typed = StockEndTrim1->text();
    if (typed == endTrimRecorded_) {
        return;
    }
    stockUndo_->push(new FieldEditCommand(QStringLiteral("End Trim"), endTrimRecorded_, typed,
                                          endTrimVisit_,
                                          [this](const QString& text) { ShowEndTrim(text); }));
    endTrimRecorded_ = typed;
}

void TMainForm::ShowStockFileForUndo(const QString& text, const StockFile& file) {
    const std::vector<std::string> before = CellsOf(stock_);
    ShowStockFile(file);
    RecordGridEdit(text, stock_, ChangesSince(before, stock_), false);
}

std::optional<StockList> TMainForm::StockToPlanFrom(bool& refused) {
    refused = false;
    if (!UseStockCheckBox1->isChecked()) {
        return std::nullopt;
    }
    StockReading reading = ReadStockList(StockFileOfGrid());
    if (reading.Refused) {
        boxes_->Beep();
        boxes_->ShowMessage(*reading.Refused);
        refused = true;
        return std::nullopt;
    }
    return std::move(reading.Stock);
}

void TMainForm::RememberStockFile() {
    std::ofstream(LastStockNote(settings_.Path), std::ios::binary) << stockPath_;
}

void TMainForm::ReopenLastStock() {
    if (settings_.Path.empty()) {
        return;
    }
    std::ifstream note(LastStockNote(settings_.Path), std::ios::binary);
    const std::string path((std::istreambuf_iterator<char>(note)),
                           std::istreambuf_iterator<char>());
    if (path.empty()) {
        return;
    }
    try {
        ShowStockFile(ReadStockFile(path));
        stockPath_ = path;
        NoteStockSaved();
    } catch (const EInOutError&) {
        // A stock file gone since is simply not reopened.
    }
}

void TMainForm::FileOpenStock() {
    if (!MaySetStockAside()) {
        return;
    }
    const std::optional<QString> name = dialogs_->CsvFileName(this, false);
    if (!name) {
        return;
    }
    RunCommand([&] {
        const std::string path = name->toStdString();
        ShowStockFile(ReadStockFile(path));
        stockPath_ = path;
        NoteStockSaved();
        // The changes kept for Undo were made to another list.
        stockUndo_->clear();
        stockBeforeTake_.reset();
        FileRestoreStockItem->setEnabled(false);
        RememberStockFile();
    });
}

void TMainForm::FileSaveStock() {
    if (stockPath_.empty()) {
        const std::optional<QString> name = dialogs_->CsvFileName(this, true);
        if (!name) {
            return;
        }
        stockPath_ = name->toStdString();
    }
    RunCommand([&] {
        WriteStockFile(stockPath_, StockFileOfGrid());
        NoteStockSaved();
        RememberStockFile();
    });
}

void TMainForm::FileTakeFromStock() {
    if (!stockPlan_ || !plannedStock_) {
        boxes_->ShowMessage("Calculate with Use Stock ticked first: there is no plan from stock");
        return;
    }
    if (!boxes_->AskToReplace("Take the " + std::to_string(stockPlan_->Bars.size()) +
                              " bars of the last plan from stock and add its remaining "
                              "leftovers as offcuts?")) {
        return;
    }
    const StockFile before = StockFileOfGrid();
    ShowStockFileForUndo(QStringLiteral("Take from Stock"),
                         TakeFromStock(before, *plannedStock_, *stockPlan_));
    stockBeforeTake_ = before;
    FileRestoreStockItem->setEnabled(true);
    // The plan is taken once; taking it again would count its bars twice.
    stockPlan_.reset();
    FileSaveStock();
}

void TMainForm::FileRestoreStock() {
    if (!stockBeforeTake_) {
        return;
    }
    ShowStockFileForUndo(QStringLiteral("Restore Stock"), *stockBeforeTake_);
    stockBeforeTake_.reset();
    FileRestoreStockItem->setEnabled(false);
    FileSaveStock();
}
