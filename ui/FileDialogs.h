#pragma once

#include <QString>
#include <optional>

class QWidget;

// Asks the user for a job file name. The window goes through this interface
// so tests can answer in place of the user.
class IFileDialogs {
  public:
    virtual ~IFileDialogs() = default;
    // The name of the job file to open; nothing when the user cancels.
    virtual std::optional<QString> OpenFileName(QWidget* parent) = 0;
    // The name to save the job under, proposing the given name; nothing when
    // the user cancels.
    virtual std::optional<QString> SaveFileName(QWidget* parent, const QString& proposed) = 0;
    // The name of a cut list file (CSV) to import, or to export to.
    virtual std::optional<QString> CsvFileName(QWidget* parent, bool forExport) = 0;
};

// The platform's open and save dialogs: filter "Text" (*.txt, chosen at
// first) and "All" (*.*); a name typed without an extension is taken with
// ".TXT" or ".txt", whichever exists, when opening and with ".txt" when
// saving; an existing file is replaced without a question, and a name of a
// file that does not exist can be opened (the command then reports it
// missing). Both open in the folder of the last job chosen in either, at
// first in the user's documents folder.
class QtFileDialogs : public IFileDialogs {
  public:
    QtFileDialogs();

    std::optional<QString> OpenFileName(QWidget* parent) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& proposed) override;
    std::optional<QString> CsvFileName(QWidget* parent, bool forExport) override;

  private:
    std::optional<QString> Chosen(std::optional<QString> fileName);

    QString folder_;
};

// Adds the default extension to a name chosen without one.
QString WithDefaultExtension(const QString& fileName, const QString& extension);

// The job file meant by a name chosen to open: a name without an extension
// is taken with ".TXT" or, when only that exists, with ".txt", since a file
// saved with the save dialog's ".txt" must open under the name it was saved
// with on a file system that tells the two apart.
QString JobFileToOpen(const QString& fileName);

// The folder the dialogs show first: the user's documents folder when there
// is one, else the home folder.
QString FirstJobFolder();
