#include <QDir>
#include <QFile>
#include <QLineEdit>

#include "io/job/JobBinding.h"
#include "io/job/JobFileReader.h"
#include "io/job/JobFileWriter.h"
#include "ui/Main.h"

namespace {

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace

void TMainForm::FileNew(QObject* /*Sender*/) {
    RunCommand([this] {
        models_->Report.Clear();
        EmptyCutList(models_->CutList);
        models_->Title = "Untitled";
        ShowTitle();
    });
}

void TMainForm::FileSaveAs(QObject* /*Sender*/) {
    RunCommand([this] {
        // The title as a file name, without the blanks around it (the
        // window's first title starts with one).
        const std::optional<QString> fileName =
            dialogs_->SaveFileName(this, Title1->text().trimmed());
        if (!fileName) {
            return;
        }
        WriteJobFile(LocalPath(*fileName), TakeJob(models_->View()));
    });
}

void TMainForm::FileOpen(QObject* /*Sender*/) {
    RunCommand([this] {
        const std::optional<QString> fileName = dialogs_->OpenFileName(this);
        if (!fileName) {
            return;
        }
        // The file is read whole before the window is touched, so a file that
        // cannot be opened leaves the job in the window as it was.
        const Job job = ReadJobFile(LocalPath(*fileName));
        models_->Report.Clear();
        EmptyCutList(models_->CutList);
        ApplyJob(job, models_->View());
        ShowTitle();
        ShowOptions();
    });
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
