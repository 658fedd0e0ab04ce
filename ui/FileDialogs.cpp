#include "ui/FileDialogs.h"

#include <QDir>
#include <QFileDialog>
#include <QFileInfo>
#include <QStandardPaths>

namespace {

const QStringList kFilters = {QStringLiteral("Text (*.txt)"), QStringLiteral("All (*.*)")};

std::optional<QString> Run(QFileDialog& dialog) {
    dialog.setNameFilters(kFilters);
    dialog.selectNameFilter(kFilters.front());
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return dialog.selectedFiles().front();
}

}  // namespace

QString WithDefaultExtension(const QString& fileName, const QString& extension) {
    if (fileName.isEmpty() || !QFileInfo(fileName).suffix().isEmpty()) {
        return fileName;
    }
    // A name ending in a dot keeps its dot and no extension is added, as the
    // user asked for exactly that name.
    if (fileName.endsWith(QLatin1Char('.'))) {
        return fileName;
    }
    return fileName + extension;
}

QString JobFileToOpen(const QString& fileName) {
    const QString upper = WithDefaultExtension(fileName, QStringLiteral(".TXT"));
    if (upper == fileName || QFileInfo::exists(upper)) {
        return upper;
    }
    const QString lower = WithDefaultExtension(fileName, QStringLiteral(".txt"));
    return QFileInfo::exists(lower) ? lower : upper;
}

QString FirstJobFolder() {
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    if (!documents.isEmpty() && QFileInfo(documents).isDir()) {
        return documents;
    }
    return QDir::homePath();
}

QtFileDialogs::QtFileDialogs() : folder_(FirstJobFolder()) {}

std::optional<QString> QtFileDialogs::Chosen(std::optional<QString> fileName) {
    if (fileName) {
        folder_ = QFileInfo(*fileName).absolutePath();
    }
    return fileName;
}

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    dialog.setDirectory(folder_);
    // A name of a file that does not exist is accepted; Open reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    // No default suffix for the dialog: it would always add ".TXT", and the
    // name is completed by what exists.
    const std::optional<QString> chosen = Run(dialog);
    return Chosen(chosen ? std::optional<QString>(JobFileToOpen(*chosen)) : std::nullopt);
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setDirectory(folder_);
    dialog.setDefaultSuffix(QStringLiteral("txt"));
    dialog.selectFile(proposed);
    const std::optional<QString> chosen = Run(dialog);
    return Chosen(chosen ? std::optional<QString>(WithDefaultExtension(*chosen, ".txt"))
                         : std::nullopt);
}

std::optional<QString> QtFileDialogs::CsvFileName(QWidget* parent, bool forExport) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(forExport ? QFileDialog::AcceptSave : QFileDialog::AcceptOpen);
    // Export asks itself before it replaces a file, as Save As does.
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.setFileMode(forExport ? QFileDialog::AnyFile : QFileDialog::ExistingFile);
    dialog.setDirectory(folder_);
    dialog.setDefaultSuffix(QStringLiteral("csv"));
    const QStringList filters = {QStringLiteral("CSV (*.csv)"), QStringLiteral("All (*.*)")};
    dialog.setNameFilters(filters);
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    const QString chosen = dialog.selectedFiles().front();
    return Chosen(forExport ? WithDefaultExtension(chosen, QStringLiteral(".csv")) : chosen);
}
