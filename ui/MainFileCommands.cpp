#include <QDir>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QUndoStack>

#include "io/JobBinding.h"
#include "io/JobFileReader.h"
#include "io/JobFileWriter.h"
#include "ui/Main.h"
#include "ui/ReadableLabel.h"

namespace {

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace

void TMainForm::FileNew(QObject* /*Sender*/) {
    RunCommand([this] {
        if (!MaySetJobAside()) {
            return;
        }
        models_->Report.Clear();
        EmptyCutList(models_->CutList);
        models_->Title = "Untitled";
        ShowTitle();
        ClearResultsShown();
        jobFile_.clear();
        NoteJobUnchanged();
        // Undo goes no further back than the job's start.
        undoStack_->clear();
    });
}

void TMainForm::FileSaveAs(QObject* /*Sender*/) {
    RunCommand([this] { SaveJob(true); });
}

void TMainForm::FileOpen(QObject* /*Sender*/) {
    RunCommand([this] {
        if (!MaySetJobAside()) {
            return;
        }
        if (const std::optional<QString> fileName = dialogs_->OpenFileName(this)) {
            OpenJob(*fileName);
        }
    });
}

void TMainForm::FileOpenRecent(const QString& fileName) {
    RunCommand([this, &fileName] {
        if (MaySetJobAside()) {
            OpenJob(fileName);
        }
    });
}

void TMainForm::OpenJob(const QString& fileName) {
    // The file is read whole before the window is touched, so a file that
    // cannot be opened leaves the job in the window as it was.
    const Job job = ReadJobFile(LocalPath(fileName));
    models_->Report.Clear();
    EmptyCutList(models_->CutList);
    ApplyJob(job, models_->View());
    ShowTitle();
    ShowOptions();
    ClearResultsShown();
    jobFile_ = fileName;
    NoteJobUnchanged();
    undoStack_->clear();
    NoteRecentJob(fileName);
}

void TMainForm::ClearResultsShown() {
    // The bound speaks of the job it was found for; the bar count has always
    // stayed until the next Calculate.
    ShowReadableText(Label4, QString());
    Label4->adjustSize();
    ClearReadInPartMarks();
}

void TMainForm::FilePrint(QObject* /*Sender*/) {
    RunCommand([this] {
        printing_.Print(models_->Report, models_->Title, models_->Options.NoSummary);
        // A file printed to is nowhere to be seen: say where it went.
        const QString file = printing_.OutputFile();
        if (!file.isEmpty()) {
            ShowStatus(QStringLiteral("Printed to ") + QDir::toNativeSeparators(file));
        }
    });
}

void TMainForm::FilePrintSetup(QObject* /*Sender*/) {
    RunCommand([this] { printing_.Setup(this); });
}
