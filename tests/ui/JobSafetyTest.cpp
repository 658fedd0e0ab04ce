// A job typed into the window is never lost without a question, and what
// reaches a job file is always one cell a line.
#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTemporaryDir>
#include <QtTest>
#include <memory>

#include "diagram/Latin1.h"
#include "tests/ui/WindowFixture.h"
#include "ui/GridView.h"
#include "ui/Main.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

}  // namespace

class JobSafetyTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void aChangedJobIsAskedAboutBeforeItGoes_data();
    void aChangedJobIsAskedAboutBeforeItGoes();
    void anUnchangedJobGoesWithoutAQuestion();
    void saveAsAsksBeforeReplacingAFile();
    void saveWritesToTheJobFileAndTheTitleShowsIt();
    void pastedRowsSpreadOverTheCells();
    void rowsThatDoNotFitAreRefusedWhole();
    void newAndOpenClearTheBoundLine();
    void aRecentJobOpensAgainFromTheFileMenu();
    void lengthsReadInPartAreMarkedAndNamed();
    void theCutListGoesToACsvFileAndComesBack();
    void theWindowComesBackAsItWasLeftOnceChanged();

  private:
    QLineEdit* EditorAt(GridView* grid, int row, int column);
    void Type(GridView* grid, int row, int column, const QString& text);
    QString File(const char* name) const { return WindowFixture::File(QString::fromLatin1(name)); }
};

void JobSafetyTest::init() {
    // A window started again within a test finds the files of the first.
    if (!dir_) {
        dir_ = std::make_unique<QTemporaryDir>();
    }
    script_ = BoxScript{};
    QVERIFY(ShowForm());
}

void JobSafetyTest::cleanup() {
    form_.reset();
    dir_.reset();
}

QLineEdit* JobSafetyTest::EditorAt(GridView* grid, int row, int column) {
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
    return qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
}

void JobSafetyTest::Type(GridView* grid, int row, int column, const QString& text) {
    QLineEdit* editor = EditorAt(grid, row, column);
    QVERIFY(editor != nullptr);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

void JobSafetyTest::aChangedJobIsAskedAboutBeforeItGoes_data() {
    QTest::addColumn<QString>("command");
    QTest::addColumn<int>("answer");
    QTest::addColumn<bool>("jobGoes");
    QTest::addColumn<bool>("saved");
    const int save = static_cast<int>(SaveChoice::Save);
    const int discard = static_cast<int>(SaveChoice::Discard);
    const int cancel = static_cast<int>(SaveChoice::Cancel);
    for (const char* command : {"new", "open", "exit"}) {
        QTest::addRow("%s save", command) << command << save << true << true;
        QTest::addRow("%s discard", command) << command << discard << true << false;
        QTest::addRow("%s cancel", command) << command << cancel << false << false;
    }
}

void JobSafetyTest::aChangedJobIsAskedAboutBeforeItGoes() {
    QFETCH(QString, command);
    QFETCH(int, answer);
    QFETCH(bool, jobGoes);
    QFETCH(bool, saved);
    QFile other(File("other.txt"));
    QVERIFY(other.open(QIODevice::WriteOnly));
    other.write(QByteArray("Other\r\n").repeated(2500));
    other.close();
    script_.openAnswer = File("other.txt");
    script_.saveName = File("typed.txt");
    script_.saveAnswer = static_cast<SaveChoice>(answer);

    Type(form_->StringGrid1, 0, 1, QStringLiteral("96"));
    if (command == QLatin1String("new")) {
        form_->FileNewItem->trigger();
    } else if (command == QLatin1String("open")) {
        form_->FileOpenItem->trigger();
    } else {
        form_->FileExitItem->trigger();
    }

    QCOMPARE(script_.questions.size(), std::size_t{1});
    QCOMPARE(script_.questions[0], std::string("Save the changes to Untitled?"));
    const bool kept = form_->isVisible() && form_->CutList().Cells(1, 1) == "96";
    QCOMPARE(kept, !jobGoes);
    QCOMPARE(QFile::exists(File("typed.txt")), saved);
    if (saved) {
        QVERIFY(Bytes(File("typed.txt")).contains("\r\n\r\n96\r\n"));
    }
}

void JobSafetyTest::anUnchangedJobGoesWithoutAQuestion() {
    // Moving through the cells and ticking an option that no job keeps is
    // no change; nor is what was just saved.
    EditorAt(form_->StringGrid1, 3, 2);
    form_->ShortCheckBox1->setChecked(!form_->ShortCheckBox1->isChecked());
    form_->FileNewItem->trigger();
    Type(form_->StringGrid1, 0, 0, QStringLiteral("2"));
    script_.saveName = File("saved.txt");
    form_->FileSaveItem->trigger();
    form_->FileExitItem->trigger();
    QVERIFY(script_.questions.empty());
    QVERIFY(!form_->isVisible());
}

void JobSafetyTest::saveAsAsksBeforeReplacingAFile() {
    QFile existing(File("job.txt"));
    QVERIFY(existing.open(QIODevice::WriteOnly));
    existing.write("keep me");
    existing.close();
    script_.saveName = File("job.txt");

    script_.replaceAnswer = false;
    form_->FileSaveAsItem->trigger();
    QCOMPARE(Bytes(File("job.txt")), QByteArray("keep me"));
    QVERIFY(form_->JobFileName().isEmpty());

    script_.replaceAnswer = true;
    form_->FileSaveAsItem->trigger();
    QCOMPARE(Bytes(File("job.txt")).count("\r\n"), 2500);
    QCOMPARE(script_.questions.size(), std::size_t{2});
    QVERIFY(script_.questions[0].find("job.txt already exists.") != std::string::npos);
}

void JobSafetyTest::saveWritesToTheJobFileAndTheTitleShowsIt() {
    QCOMPARE(form_->windowTitle(), QStringLiteral("Velmar[*]"));
    QVERIFY(!form_->isWindowModified());
    Type(form_->StringGrid1, 0, 1, QStringLiteral("96"));
    QVERIFY(form_->isWindowModified());
    script_.saveName = File("brackets.txt");
    form_->FileSaveItem->trigger();  // no job file yet: asks for a name
    QCOMPARE(script_.saveDialogs, 1);
    QCOMPARE(form_->windowTitle(), QStringLiteral("brackets.txt[*] - Velmar"));
    QVERIFY(!form_->isWindowModified());
    QVERIFY(form_->StatusLine->text().contains(QStringLiteral("Saved ")));

    Type(form_->StringGrid1, 0, 0, QStringLiteral("7"));
    QVERIFY(form_->isWindowModified());
    form_->FileSaveItem->trigger();
    QCOMPARE(script_.saveDialogs, 1);
    QVERIFY(!form_->isWindowModified());
    QVERIFY(Bytes(File("brackets.txt")).contains("\r\n7\r\n"));
}

void JobSafetyTest::pastedRowsSpreadOverTheCells() {
    QApplication::clipboard()->setText(QStringLiteral("3\t96\tA\r\n2\t48\n"));
    form_->CutList().SetCells(0, 5, "99");
    form_->RefreshWidgets();
    QLineEdit* editor = EditorAt(form_->StringGrid1, 4, 0);
    QVERIFY(editor != nullptr);
    // The rows replace the cell, wherever the cursor stands in its text.
    editor->setCursorPosition(1);
    QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);

    const std::vector<std::vector<std::string>> expected = {{"3", "96", "A"}, {"2", "48", ""}};
    for (int r = 0; r < 2; ++r) {
        for (int c = 0; c < 3; ++c) {
            QCOMPARE(form_->CutList().Cells(c, 5 + r), expected[r][c]);
        }
    }
    script_.saveName = File("pasted.txt");
    form_->FileSaveAsItem->trigger();
    QCOMPARE(Bytes(File("pasted.txt")).count("\r\n"), 2500);
}

void JobSafetyTest::rowsThatDoNotFitAreRefusedWhole() {
    QApplication::clipboard()->setText(QStringLiteral("1\t2\n3\t4\n"));
    // The last data row, and the last column: neither takes two rows or two
    // columns.
    for (const auto& [row, column] : {std::pair{498, 0}, std::pair{0, 4}}) {
        QLineEdit* editor = EditorAt(form_->StringGrid1, row, column);
        QVERIFY(editor != nullptr);
        editor->selectAll();
        QTest::keyClick(editor, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(form_->CutList().Cells(column, row + 1), std::string());
        QCOMPARE(editor->text(), QString());
    }
    QTRY_COMPARE(script_.messages.size(), std::size_t{2});
    QVERIFY(!form_->JobChanged());
}

void JobSafetyTest::newAndOpenClearTheBoundLine() {
    form_->BarSettings().SetCells(1, 0, "100");
    form_->CutList().SetCells(0, 1, "3");
    form_->CutList().SetCells(1, 1, "40");
    form_->FewestBarsCheckBox1->setChecked(true);
    form_->PlanningSeconds = 1;
    form_->Button1Click(form_->Button1);
    QVERIFY(!form_->Label4->text().isEmpty());
    form_->FileNewItem->trigger();
    QCOMPARE(form_->Label4->text(), QString());
    QCOMPARE(form_->Label2->text(), QStringLiteral("2"));

    form_->Button1Click(form_->Button1);  // the empty job is refused
    form_->CutList().SetCells(0, 1, "3");
    form_->CutList().SetCells(1, 1, "40");
    form_->Button1Click(form_->Button1);
    QVERIFY(!form_->Label4->text().isEmpty());
    script_.saveName = File("bound.txt");
    form_->FileSaveAsItem->trigger();
    script_.openAnswer = File("bound.txt");
    form_->FileOpenItem->trigger();
    QCOMPARE(form_->Label4->text(), QString());
}

void JobSafetyTest::aRecentJobOpensAgainFromTheFileMenu() {
    QVERIFY(!form_->RecentMenu->isEnabled());
    form_->CutList().SetCells(1, 1, "96");
    script_.saveName = File("first.txt");
    form_->FileSaveAsItem->trigger();
    form_->FileNewItem->trigger();
    QCOMPARE(form_->CutList().Cells(1, 1), std::string());

    // A window started afterwards knows the job too.
    form_.reset();
    init();
    QCOMPARE(form_->RecentMenu->actions().size(), 1);
    QCOMPARE(form_->RecentMenu->actions().front()->text(), QStringLiteral("&1 first.txt"));
    form_->RecentMenu->actions().front()->trigger();
    QCOMPARE(form_->CutList().Cells(1, 1), std::string("96"));
    QCOMPARE(form_->windowTitle(), QStringLiteral("first.txt[*] - Velmar"));
    QVERIFY(!Bytes(File("BarIni.ini")).contains("first.txt"));
}

void JobSafetyTest::theWindowComesBackAsItWasLeftOnceChanged() {
    form_->FileExitItem->trigger();
    QVERIFY(!QFile::exists(File("BarIni.ini")));

    init();
    const QSize design = form_->size();
    form_->resize(design + QSize(120, 90));
    QTest::qWait(0);
    form_->FileExitItem->trigger();
    QVERIFY(Bytes(File("BarIni.ini")).contains("[Window]"));

    init();
    QCOMPARE(form_->size(), design + QSize(120, 90));
}

void JobSafetyTest::lengthsReadInPartAreMarkedAndNamed() {
    form_->BarSettings().SetCells(1, 0, "240");
    form_->CutList().SetRows(1, {"2", "12.5 in"});
    form_->CutList().SetRows(2, {"8c", "30"});
    form_->CutList().SetRows(3, {"1", "48"});
    form_->Button1Click(form_->Button1);
    // Sorted longest first: 125, 48, 30.
    QCOMPARE(
        form_->StatusLine->text(),
        QStringLiteral("Read in part: row 1 Length \"12.5 in\" as 125; row 3 Qty \"8c\" as 8"));
    QAbstractItemModel* cells = form_->StringGrid1->model();
    QVERIFY(cells->index(0, 1).data(Qt::BackgroundRole).isValid());
    QVERIFY(cells->index(2, 0).data(Qt::BackgroundRole).isValid());
    QVERIFY(!cells->index(1, 1).data(Qt::BackgroundRole).isValid());

    // A mended cell loses its mark at once; the next Calculate names nothing.
    Type(form_->StringGrid1, 0, 1, QStringLiteral("12.5"));
    QVERIFY(!cells->index(0, 1).data(Qt::BackgroundRole).isValid());
    Type(form_->StringGrid1, 2, 0, QStringLiteral("8"));
    form_->Button1Click(form_->Button1);
    QVERIFY(!form_->StatusLine->text().startsWith(QStringLiteral("Read in part")));
}

void JobSafetyTest::theCutListGoesToACsvFileAndComesBack() {
    form_->CutList().SetRows(1, {"3", "96", "A", "96.000", "3"});
    form_->CutList().SetRows(2, {"2", "4' 1/2", "shelf, top"});
    script_.csvName = File("list.csv");
    form_->FileExportItem->trigger();
    QCOMPARE(Bytes(File("list.csv")),
             QByteArray("Qty,Length,Item #\r\n3,96,A\r\n2,4' 1/2,\"shelf, top\"\r\n"));

    form_->CutList().SetRows(1, {"9", "9", "9", "9", "9"});
    form_->CutList().SetRows(3, {"1", "10"});
    form_->FileImportItem->trigger();
    const std::vector<std::vector<std::string>> imported = {
        {"3", "96", "A", "", ""}, {"2", "4' 1/2", "shelf, top", "", ""}, {"", "", "", "", ""}};
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(form_->CutList().Rows(row), imported[row - 1]);
    }
    form_->EditUndoItem->trigger();
    QCOMPARE(form_->CutList().Cells(0, 1), std::string("9"));
    QCOMPARE(form_->CutList().Cells(1, 3), std::string("10"));

    // More rows than the cut list has: nothing goes in.
    QFile many(File("many.csv"));
    QVERIFY(many.open(QIODevice::WriteOnly));
    many.write(QByteArray("1,10\n").repeated(500));
    many.close();
    script_.csvName = File("many.csv");
    form_->FileImportItem->trigger();
    QCOMPARE(script_.messages.size(), std::size_t{1});
    QCOMPARE(form_->CutList().Cells(0, 1), std::string("9"));
}

QTEST_MAIN(JobSafetyTest)
#include "JobSafetyTest.moc"
