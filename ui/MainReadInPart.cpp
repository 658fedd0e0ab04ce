#include <QLabel>
#include <QStringList>

#include "core/notation/LengthNotation.h"
#include "diagram/Latin1.h"
#include "model/Exceptions.h"
#include "model/GridLayout.h"
#include "model/Trim.h"
#include "ui/GridTableModel.h"
#include "ui/Main.h"

namespace {

// A cell whose text the lenient reading took only in part, named with what
// it was read as; nothing for a cell read whole or empty.
std::optional<QString> ReadInPart(const std::string& text, const QString& where) {
    if (Trim(text).empty() || ConvertFeetReadsWhole(text)) {
        return std::nullopt;
    }
    float value = 0.0f;
    try {
        ConvertFeet(text, value);
    } catch (const Exception&) {
        return std::nullopt;
    }
    return QStringLiteral("%1 \"%2\" as %3")
        .arg(where, ToQString(text), QString::number(static_cast<double>(value), 'g', 9));
}

QString Heading(const char* heading) {
    return QString::fromLatin1(heading).trimmed();
}

}  // namespace

void TMainForm::FlagCellsReadInPart() {
    QStringList named;
    std::vector<std::pair<int, int>> cutList;
    for (int row = kFirstDataRow; row < kCutListRows; ++row) {
        for (const int col : {kQtyColumn, kLengthColumn}) {
            const QString where =
                QStringLiteral("row %1 %2").arg(row).arg(Heading(kCutListHeadings[col]));
            if (std::optional<QString> part = ReadInPart(models_->CutList.Cells(col, row), where)) {
                cutList.emplace_back(col, row);
                named << *part;
            }
        }
    }
    std::vector<std::pair<int, int>> barSettings;
    for (int row = 0; row < kBarSettingsInputRows; ++row) {
        if (std::optional<QString> part = ReadInPart(models_->BarSettings.Cells(kValueColumn, row),
                                                     Heading(kBarSettingsLabels[row]))) {
            barSettings.emplace_back(kValueColumn, row);
            named << *part;
        }
    }
    cutListView_->MarkCells(cutList);
    barSettingsView_->MarkCells(barSettings);
    const QString heading = QStringLiteral("Read in part: ");
    if (!named.isEmpty()) {
        ShowStatus(heading + named.join(QStringLiteral("; ")));
    } else if (StatusLine->text().startsWith(heading)) {
        // The cells named have been mended: the line no longer speaks of them.
        ShowStatus(QString());
    }
}

void TMainForm::ClearReadInPartMarks() {
    cutListView_->MarkCells({});
    barSettingsView_->MarkCells({});
}
