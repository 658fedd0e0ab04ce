#include <QCheckBox>
#include <QCloseEvent>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>

#include "diagram/Latin1.h"
#include "io/job/JobBinding.h"
#include "io/job/JobFileWriter.h"
#include "ui/Main.h"
#include "ui/MouseUpCheckBox.h"

Job TMainForm::CurrentJob() const {
    // The title and the box as shown: the models take them only when a
    // command runs.
    Job job = TakeJob(models_->View());
    job.Title = ToLatin1(Title1->text());
    job.AutoItemNumber = ItemNumBox1->isChecked();
    return job;
}

bool TMainForm::JobChanged() const {
    return unchangedJob_ && *unchangedJob_ != CurrentJob();
}

void TMainForm::NoteJobUnchanged() {
    unchangedJob_ = CurrentJob();
    ShowJobState();
}

void TMainForm::ShowJobState() {
    // A job without a file keeps the program's name as its title; a change
    // is marked on it all the same, so unsaved typing never looks saved.
    setWindowTitle(jobFile_.isEmpty()
                       ? QStringLiteral("Velmar[*]")
                       : QFileInfo(jobFile_).fileName() + QStringLiteral("[*] - Velmar"));
    setWindowModified(JobChanged());
}

bool TMainForm::MaySetJobAside() {
    if (!JobChanged()) {
        return true;
    }
    const QString name =
        jobFile_.isEmpty() ? ToQString(models_->Title).trimmed() : QFileInfo(jobFile_).fileName();
    const std::string question =
        "Save the changes to " + ToLatin1(name.isEmpty() ? QStringLiteral("the job") : name) + "?";
    switch (boxes_->AskToSave(question)) {
        case SaveChoice::Save:
            return SaveJob(false);
        case SaveChoice::Discard:
            return true;
        case SaveChoice::Cancel:
            break;
    }
    return false;
}

bool TMainForm::SaveJob(bool chooseName) {
    QString fileName = jobFile_;
    if (chooseName || fileName.isEmpty()) {
        // The title as a file name, without the blanks around it (the
        // window's first title starts with one).
        const std::optional<QString> chosen =
            dialogs_->SaveFileName(this, Title1->text().trimmed());
        if (!chosen) {
            return false;
        }
        if (QFileInfo::exists(*chosen) &&
            !boxes_->AskToReplace(ToLatin1(QDir::toNativeSeparators(*chosen)) +
                                  " already exists.\nDo you want to replace it?")) {
            return false;
        }
        fileName = *chosen;
    }
    WriteJobFile(QFile::encodeName(fileName).toStdString(), TakeJob(models_->View()));
    jobFile_ = fileName;
    NoteJobUnchanged();
    NoteRecentJob(fileName);
    ShowStatus(QStringLiteral("Saved ") + QDir::toNativeSeparators(fileName));
    return true;
}

void TMainForm::FileSave(QObject* /*Sender*/) {
    RunCommand([this] { SaveJob(false); });
}

void TMainForm::closeEvent(QCloseEvent* event) {
    bool close = false;
    RunCommand([this, &close] { close = MaySetJobAside() && MaySetStockAside(); });
    if (!close) {
        event->ignore();
        return;
    }
    KeepWindowPlace();
    QMainWindow::closeEvent(event);
}
