// The job file dialogs as the user meets them: the real Qt dialogs, answered
// by typing a name and accepting, in a home folder of the test's own.
#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <functional>
#include <optional>

#include "ui/FileDialogs.h"

namespace {

void Touch(const QString& path) {
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
}

// Answers the next dialog: notes the folder it shows, types the name into it
// and accepts it.
struct DialogAnswer {
    QString Typed;
    QString ShownFolder;

    void Arm() {
        QTimer::singleShot(0, [this] {
            auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            ShownFolder = dialog->directory().absolutePath();
            dialog->selectFile(Typed);
            static_cast<QDialog*>(dialog)->accept();
        });
    }
};

}  // namespace

class FileDialogsTest : public QObject {
    Q_OBJECT
  private slots:
    void init();
    void aNameWithoutExtensionOpensTheFileThatExists();
    void dialogsOpenInTheFolderOfTheLastJob();

  private:
    std::unique_ptr<QTemporaryDir> home_;
};

void FileDialogsTest::init() {
    home_ = std::make_unique<QTemporaryDir>();
    QVERIFY(home_->isValid());
    qputenv("HOME", QFile::encodeName(home_->path()));
    qputenv("XDG_CONFIG_HOME", QFile::encodeName(home_->filePath("config")));
}

void FileDialogsTest::aNameWithoutExtensionOpensTheFileThatExists() {
    const QDir dir(home_->path());
    Touch(dir.filePath("lower.txt"));
    Touch(dir.filePath("upper.TXT"));
    Touch(dir.filePath("both.txt"));
    Touch(dir.filePath("both.TXT"));
    Touch(dir.filePath("bare"));
    const struct {
        const char* typed;
        const char* opened;
    } cases[] = {
        {"lower", "lower.txt"}, {"upper", "upper.TXT"},     {"both", "both.TXT"},
        {"none", "none.TXT"},   {"bare", "bare.TXT"},       {"lower.txt", "lower.txt"},
        {"lower.", "lower."},   {"other.dat", "other.dat"},
    };
    for (const auto& c : cases) {
        QCOMPARE(JobFileToOpen(dir.filePath(c.typed)), dir.filePath(c.opened));
    }
    // The same through the open dialog, with the name typed into it.
    QtFileDialogs dialogs;
    DialogAnswer answer{dir.filePath("lower"), {}};
    answer.Arm();
    QCOMPARE(dialogs.OpenFileName(nullptr), std::optional<QString>(dir.filePath("lower.txt")));
}

void FileDialogsTest::dialogsOpenInTheFolderOfTheLastJob() {
    const QDir home(home_->path());
    QVERIFY(home.mkpath("jobs/saved"));
    QVERIFY(home.mkpath("jobs/opened"));
    Touch(home.filePath("jobs/opened/frame.txt"));

    // Without a documents folder the dialogs start at home.
    QCOMPARE(FirstJobFolder(), home.absolutePath());
    QVERIFY(home.mkpath("Documents"));
    QCOMPARE(FirstJobFolder(), home.absoluteFilePath("Documents"));

    QtFileDialogs dialogs;
    const std::function<std::optional<QString>()> runs[] = {
        [&] { return dialogs.SaveFileName(nullptr, "Untitled"); },
        [&] { return dialogs.OpenFileName(nullptr); },
        [&] { return dialogs.SaveFileName(nullptr, "Untitled"); },
    };
    const struct {
        QString typed;
        QString shownFolder;
        QString chosen;
    } steps[] = {
        {home.filePath("jobs/saved/shelf"), home.absoluteFilePath("Documents"),
         home.filePath("jobs/saved/shelf.txt")},
        {home.filePath("jobs/opened/frame"), home.absoluteFilePath("jobs/saved"),
         home.filePath("jobs/opened/frame.txt")},
        {home.filePath("jobs/opened/copy.txt"), home.absoluteFilePath("jobs/opened"),
         home.filePath("jobs/opened/copy.txt")},
    };
    for (int i = 0; i < 3; ++i) {
        DialogAnswer answer{steps[i].typed, {}};
        answer.Arm();
        QCOMPARE(runs[i](), std::optional<QString>(steps[i].chosen));
        QCOMPARE(answer.ShownFolder, steps[i].shownFolder);
    }
}

QTEST_MAIN(FileDialogsTest)
#include "FileDialogsTest.moc"
