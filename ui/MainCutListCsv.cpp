#include <QAction>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include "diagram/Latin1.h"
#include "io/job/CutListCsv.h"
#include "model/GridLayout.h"
#include "ui/Main.h"

namespace {

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace

void TMainForm::FileImportCutList(QObject* /*Sender*/) {
    RunCommand([this] {
        const std::optional<QString> fileName = dialogs_->CsvFileName(this, false);
        if (!fileName) {
            return;
        }
        const CsvRows rows = ReadCutListCsv(LocalPath(*fileName));
        if (rows.size() > static_cast<std::size_t>(kCutListDataRows)) {
            boxes_->ShowMessage("The file holds " + std::to_string(rows.size()) +
                                " rows; the cut list takes " + std::to_string(kCutListDataRows) +
                                ". Nothing was imported.");
            return;
        }
        // The imported rows replace the whole cut list, Calculate's columns
        // too, which spoke of the list before.
        CellChanges changes;
        TStringGrid& cutList = models_->CutList;
        for (int row = kFirstDataRow; row < kCutListRows; ++row) {
            const std::size_t index = static_cast<std::size_t>(row - kFirstDataRow);
            for (int col = 0; col < kCutListColumns; ++col) {
                std::string after;
                if (index < rows.size() && col <= kItemColumn &&
                    static_cast<std::size_t>(col) < rows[index].size()) {
                    after = rows[index][static_cast<std::size_t>(col)];
                }
                if (after != cutList.Cells(col, row)) {
                    changes.push_back({col, row, cutList.Cells(col, row), std::move(after)});
                }
            }
        }
        RecordGridEdit(QStringLiteral("Import"), cutList, std::move(changes), false);
        ShowStatus(QStringLiteral("Imported ") + QDir::toNativeSeparators(*fileName));
    });
}

void TMainForm::FileExportCutList(QObject* /*Sender*/) {
    RunCommand([this] {
        const std::optional<QString> fileName = dialogs_->CsvFileName(this, true);
        if (!fileName) {
            return;
        }
        if (QFileInfo::exists(*fileName) &&
            !boxes_->AskToReplace(ToLatin1(QDir::toNativeSeparators(*fileName)) +
                                  " already exists.\nDo you want to replace it?")) {
            return;
        }
        WriteCutListCsv(LocalPath(*fileName), models_->CutList);
        ShowStatus(QStringLiteral("Exported ") + QDir::toNativeSeparators(*fileName));
    });
}
