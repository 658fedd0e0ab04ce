#include "ui/FileDialogs.h"

#include <QFileDialog>
#include <QFileInfo>

namespace {

const QStringList kFilters = {QStringLiteral("Text (*.txt)"), QStringLiteral("All (*.*)")};

std::optional<QString> Run(QFileDialog& dialog, const QString& extension) {
    dialog.setNameFilters(kFilters);
    dialog.selectNameFilter(kFilters.front());
    dialog.setDefaultSuffix(extension.mid(1));
    if (dialog.exec() != QDialog::Accepted || dialog.selectedFiles().isEmpty()) {
        return std::nullopt;
    }
    return WithDefaultExtension(dialog.selectedFiles().front(), extension);
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

std::optional<QString> QtFileDialogs::OpenFileName(QWidget* parent) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptOpen);
    // A name of a file that does not exist is accepted; Open reports it.
    dialog.setFileMode(QFileDialog::AnyFile);
    return Run(dialog, QStringLiteral(".TXT"));
}

std::optional<QString> QtFileDialogs::SaveFileName(QWidget* parent, const QString& proposed) {
    QFileDialog dialog(parent);
    dialog.setAcceptMode(QFileDialog::AcceptSave);
    dialog.setOption(QFileDialog::DontConfirmOverwrite, true);
    dialog.selectFile(proposed);
    return Run(dialog, QStringLiteral(".txt"));
}
