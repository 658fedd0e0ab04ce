#include <QCheckBox>
#include <QFile>
#include <QLineEdit>

#include "io/JobBinding.h"
#include "io/JobFileReader.h"
#include "io/JobFileWriter.h"
#include "ui/Latin1.h"
#include "ui/Main.h"
#include "ui/MouseUpCheckBox.h"

namespace {

std::string LocalPath(const QString& fileName) {
    return QFile::encodeName(fileName).toStdString();
}

}  // namespace

void TMainForm::FileNew(QObject* /*Sender*/) {
    RunCommand([this] {
        report_.Clear();
        EmptyCutList(*cutList_);
        Title1->setText(QStringLiteral("Untitled"));
    });
}

void TMainForm::FileSaveAs(QObject* /*Sender*/) {
    RunCommand([this] {
        const std::optional<QString> fileName = dialogs_->SaveFileName(this, Title1->text());
        if (!fileName) {
            return;
        }
        std::string title = ToLatin1(Title1->text());
        bool autoItemNumber = ItemNumBox1->isChecked();
        WriteJobFile(LocalPath(*fileName),
                     TakeJob({title, *barSettings_, autoItemNumber, *cutList_}));
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
        report_.Clear();
        EmptyCutList(*cutList_);
        std::string title;
        bool autoItemNumber = false;
        ApplyJob(job, {title, *barSettings_, autoItemNumber, *cutList_});
        Title1->setText(ToQString(title));
        ItemNumBox1->setChecked(autoItemNumber);
    });
}

void TMainForm::FilePrint(QObject* /*Sender*/) {
    RunCommand([this] {
        printing_.Print(report_, ToLatin1(Title1->text()), SumaryCheckBox1->isChecked());
    });
}

void TMainForm::FilePrintSetup(QObject* /*Sender*/) {
    RunCommand([this] { printing_.Setup(this); });
}
