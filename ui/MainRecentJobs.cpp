#include <QAction>
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QMenu>
#include <QMessageBox>

#include "io/SettingsPath.h"
#include "io/settings/WindowSettings.h"
#include "ui/HintDisplay.h"
#include "ui/Main.h"

namespace {

// The recent jobs are kept beside the settings file, not in it: opening or
// saving a job changes no setting, and the settings file stays as it was.
std::string RecentJobsPath(const std::string& settingsPath) {
    const std::size_t slash = settingsPath.find_last_of('/');
    return (slash == std::string::npos ? std::string() : settingsPath.substr(0, slash + 1)) +
           "RecentJobs.ini";
}

}  // namespace

void TMainForm::LoadRecentJobList() {
    recentJobs_ = LoadRecentJobs(RecentJobsPath(settings_.Path));
    ShowRecentJobs();
}

void TMainForm::NoteRecentJob(const QString& fileName) {
    const std::string path =
        QFile::encodeName(QFileInfo(fileName).absoluteFilePath()).toStdString();
    recentJobs_ = WithRecentJob(std::move(recentJobs_), path);
    ShowRecentJobs();
    try {
        if (!settings_.FolderToMake.empty()) {
            MakeSettingsFolder(settings_.FolderToMake);
        }
        SaveRecentJobs(RecentJobsPath(settings_.Path), recentJobs_);
    } catch (const std::exception&) {
        // The job was opened or saved; only the list is not remembered.
    }
}

void TMainForm::ShowRecentJobs() {
    RecentMenu->clear();
    int number = 1;
    for (const std::string& job : recentJobs_) {
        const QString fileName = QFile::decodeName(QByteArray::fromStdString(job));
        // An ampersand in a file name is no accelerator mark.
        QString caption = QFileInfo(fileName).fileName();
        caption.replace(QLatin1Char('&'), QStringLiteral("&&"));
        QAction* action =
            RecentMenu->addAction(QStringLiteral("&%1 %2").arg(number++).arg(caption));
        HintDisplay::SetHint(action, QDir::toNativeSeparators(fileName));
        connect(action, &QAction::triggered, this, [this, fileName] { FileOpenRecent(fileName); });
    }
    RecentMenu->setEnabled(!recentJobs_.empty());
}

void TMainForm::HelpAbout(QObject* /*Sender*/) {
    QMessageBox::about(this, QStringLiteral("About Velmar"),
                       QStringLiteral("Velmar %1\n\nA cutting-list optimiser for the workshop.")
                           .arg(QStringLiteral(VELMAR_VERSION)));
}
