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
};

// The platform's open and save dialogs: filter "Text" (*.txt, chosen at
// first) and "All" (*.*); a name typed without an extension gets ".TXT" when
// opening and ".txt" when saving; an existing file is replaced without a
// question, and a name of a file that does not exist can be opened (the
// command then reports it missing).
class QtFileDialogs : public IFileDialogs {
  public:
    std::optional<QString> OpenFileName(QWidget* parent) override;
    std::optional<QString> SaveFileName(QWidget* parent, const QString& proposed) override;
};

// Adds the default extension to a name chosen without one.
QString WithDefaultExtension(const QString& fileName, const QString& extension);
