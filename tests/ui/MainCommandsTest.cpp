// The window's commands run as the user runs them: values typed into the
// grids, the real handlers, dialogs and message boxes answered by stand-ins,
// the settings file in a folder of the test's own.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPrinter>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTextBlock>
#include <QToolButton>
#include <QtTest>
#include <optional>
#include <string>
#include <vector>

#include "tests/common/WorkedExample.h"
#include "tests/ui/WindowFixture.h"
#include "ui/DiagramView.h"
#include "ui/DiagramWindow.h"
#include "ui/GridView.h"
#include "ui/Main.h"
#include "ui/MouseUpCheckBox.h"
#include "ui/SystemRegionalSettings.h"

namespace {

using Lines = std::vector<std::string>;

QString ReadText(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly)) {
        return QStringLiteral("<missing>");
    }
    return QString::fromLatin1(file.readAll());
}

}  // namespace

class MainCommandsTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void workedExampleTypedAndCalculated();
    void refusalsEmptyTheReportAndKeepTheBarCount_data();
    void refusalsEmptyTheReportAndKeepTheBarCount();
    void aFloatingPointErrorEndsCalculateWithTheErrorBox();
    void aRefusedSettingsWriteKeepsTheReportButNotTheBarCount();
    void typingInTheBarSettingsWritesTheSettingsFileKeyByKey();
    void mouseOnAutoItemNumberWritesTheSettingsAndTheSpaceBarDoesNot();
    void startUpReadsTheSettingsFile_data();
    void startUpReadsTheSettingsFile();
    void saveAsAndOpenGiveTheJobBack();
    void cancelledDialogsChangeNothing();
    void openingAMissingFileKeepsTheJob();
    void newClearsTheJobButKeepsSettingsAndBarCount();
    void theEditedReportIsWhatCommandsRead();
    void printWritesTheReportToThePrinter();
    void namesWithoutExtensionGetTheDefaultOne();
    void enterAndEscapeKeepTheCellEditorOpen();
    void exitClosesTheWindowAndStoresNothing();
    void regionalSettingsComeFromTheLocale();
    void theReportUsesTheRegionalDecimalSeparator();
    void theDiagramFollowsEveryCompleteCalculate();

  private:
    void TypeInto(GridView* grid, int row, int column, const QString& text);
    void TypeWorkedExample();
};

// The window is shown where a test has made it ready.
void MainCommandsTest::init() {
    StartWindowTest();
    form_ = FormBeforeActivation();
}

void MainCommandsTest::cleanup() {
    form_.reset();
}

void MainCommandsTest::theDiagramFollowsEveryCompleteCalculate() {
    form_->FileDiagramItem->trigger();
    DiagramWindow* diagram = form_->Diagram();
    QVERIFY(diagram != nullptr && diagram->isVisible());
    QVERIFY(diagram->View()->Job() == nullptr);

    TypeWorkedExample();
    form_->Title1->setText(QStringLiteral("Brackets"));
    form_->Button1Click(form_->Button1);
    const DiagramJob* first = diagram->View()->Job();
    QVERIFY(first != nullptr);
    QCOMPARE(first->Title, std::string("Brackets"));
    QCOMPARE(first->Plan->Bars.size(), 3u);
    QCOMPARE(LabelOfRow(*first->Plan, 2).Length, std::string("48"));
    QCOMPARE(PieceLengthOfRow(*first->Plan, 2), 48.125f);

    // A refused Calculate leaves the last complete one on show.
    form_->BarSettings().SetCells(1, 0, "");
    form_->Button1Click(form_->Button1);
    QCOMPARE(diagram->View()->Job(), first);

    form_->BarSettings().SetCells(1, 0, "240");
    form_->AltMethodCheckBox1->setChecked(true);
    form_->Button1Click(form_->Button1);
    QVERIFY(diagram->View()->Job() != first);
    QCOMPARE(diagram->View()->Job()->Plan->Bars[2].Left, 143.875f);
}

void MainCommandsTest::TypeInto(GridView* grid, int row, int column, const QString& text) {
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(row, column));
    auto* editor = qobject_cast<QLineEdit*>(grid->indexWidget(grid->currentIndex()));
    QVERIFY(editor != nullptr);
    QCOMPARE(QApplication::focusWidget(), editor);
    editor->selectAll();
    QTest::keyClicks(editor, text);
}

void MainCommandsTest::TypeWorkedExample() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    // Bar settings grid: the view's row r is row r of the grid, its column 0
    // the value column 1.
    TypeInto(form_->StringGrid2, 0, 0, QStringLiteral("240"));
    TypeInto(form_->StringGrid2, 1, 0, QStringLiteral("0.125"));
    TypeInto(form_->StringGrid2, 2, 0, QStringLiteral("20"));
    // Cut list: the view's row r is data row r + 1.
    const QStringList rows[] = {{"3", "96"}, {"2", "48"}, {"4", "30"}};
    for (int r = 0; r < 3; ++r) {
        TypeInto(form_->StringGrid1, r, 0, rows[r][0]);
        TypeInto(form_->StringGrid1, r, 1, rows[r][1]);
    }
    form_->ItemNumBox1->setChecked(true);
    form_->ShortCheckBox1->setChecked(false);
    form_->AltMethodCheckBox1->setChecked(false);
}

void MainCommandsTest::workedExampleTypedAndCalculated() {
    TypeWorkedExample();
    QCOMPARE(form_->CutList().Cells(1, 2), std::string("48"));
    QCOMPARE(form_->BarSettings().Cells(1, 1), std::string("0.125"));
    form_->SumaryCheckBox1->setChecked(true);

    QTest::mouseClick(form_->Button1, Qt::LeftButton);

    QCOMPARE(form_->Report().All(), kWorkedExampleLines);
    QCOMPARE(form_->Memo1->blockCount(), 46);
    QCOMPARE(form_->Memo1->document()->findBlockByNumber(41).text(),
             QStringLiteral("Total of Item  {1}  = 3 of Len 96"));
    QCOMPARE(form_->Label2->text(), QStringLiteral("3"));
    const std::string subTotals[] = {"3", "2", "4"};
    for (int row = 1; row <= 3; ++row) {
        QCOMPARE(form_->CutList().Cells(4, row), subTotals[row - 1]);
        QCOMPARE(form_->StringGrid1->model()->index(row - 1, 4).data().toString(),
                 ToQString(subTotals[row - 1]));
    }
    QCOMPARE(form_->BarSettings().Cells(1, 3), std::string("3"));
    QCOMPARE(form_->BarSettings().Cells(1, 4), std::string("0 Ok"));
    QCOMPARE(ReadText(SettingsFile()),
             QStringLiteral("[Bar]\r\nLength=240\r\nCut=0.125\r\nScrapBelow=20\r\nSummary=1\r\n"
                            "Short=0\r\nAutoItem=1\r\n"));
    QVERIFY(script_.errors.empty());
    QVERIFY(script_.messages.empty());
    QCOMPARE(script_.beeps, 0);
}

void MainCommandsTest::refusalsEmptyTheReportAndKeepTheBarCount_data() {
    QTest::addColumn<QString>("barLength");
    QTest::addColumn<QString>("quantity");
    QTest::addColumn<QString>("length");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("lastError");
    QTest::newRow("piece longer than the bar") << "90"
                                               << "1"
                                               << "96"
                                               << "Bar Length less than Cut length"
                                               << "2 StartIndex is greater or equal to EndIndex";
    QTest::newRow("empty cut list") << "96"
                                    << ""
                                    << ""
                                    << "Qty Length and Bar Length all required"
                                    << "2 StartIndex is greater or equal to EndIndex";
    QTest::newRow("quantity 0") << "96"
                                << "0"
                                << "10"
                                << "Qty Length and Bar Length all required"
                                << "2 StartIndex is greater or equal to EndIndex";
}

void MainCommandsTest::refusalsEmptyTheReportAndKeepTheBarCount() {
    QFETCH(QString, barLength);
    QFETCH(QString, quantity);
    QFETCH(QString, length);
    QFETCH(QString, message);
    QFETCH(QString, lastError);

    // A successful run first, so the label holds a count to keep.
    TypeWorkedExample();
    form_->Button1Click(form_->Button1);
    QCOMPARE(form_->Label2->text(), QStringLiteral("3"));
    QFile::remove(SettingsFile());

    form_->FileNew(form_->FileNewItem);
    form_->BarSettings().SetCells(1, 0, ToLatin1(barLength));
    form_->CutList().SetCells(0, 1, ToLatin1(quantity));
    form_->CutList().SetCells(1, 1, ToLatin1(length));
    form_->Button1Click(form_->Button1);

    QCOMPARE(script_.beeps, 1);
    QCOMPARE(script_.messages, Lines{ToLatin1(message)});
    QVERIFY(script_.errors.empty());
    QCOMPARE(form_->Report().Count(), 0);
    QCOMPARE(form_->Memo1->toPlainText(), QString());
    QCOMPARE(form_->Label2->text(), QStringLiteral("3"));
    QCOMPARE(form_->BarSettings().Cells(1, 4), ToLatin1(lastError));
    QVERIFY(!QFile::exists(SettingsFile()));  // a refused run stores nothing
}

void MainCommandsTest::aFloatingPointErrorEndsCalculateWithTheErrorBox() {
    form_->BarSettings().SetCells(1, 0, "240");
    form_->CutList().SetCells(1, 1, "1/0");
    form_->Button1Click(form_->Button1);
    QCOMPARE(script_.errors, Lines{"Floating point division by zero."});
    QCOMPARE(form_->Label2->text(), QStringLiteral("0"));
    QVERIFY(!QFile::exists(SettingsFile()));
    // The window goes on: a good job calculates afterwards.
    form_->CutList().SetCells(1, 1, "100");
    form_->Button1Click(form_->Button1);
    QCOMPARE(form_->Label2->text(), QStringLiteral("1"));
}

void MainCommandsTest::aRefusedSettingsWriteKeepsTheReportButNotTheBarCount() {
    const std::string unwritable = ToLatin1(dir_->filePath(QStringLiteral("missing/BarIni.ini")));
    form_->SetSettingsPath(unwritable);
    form_->BarSettings().SetCells(1, 0, "100");
    form_->CutList().SetCells(1, 1, "40");
    form_->CutList().SetCells(0, 1, "2");
    form_->Button1Click(form_->Button1);
    QCOMPARE(script_.errors, Lines{"Unable to write to " + unwritable + "."});
    QCOMPARE(form_->Label2->text(), QStringLiteral("0"));
    QVERIFY(form_->Report().Count() > 0);
    QCOMPARE(form_->Memo1->blockCount(), form_->Report().Count());
}

void MainCommandsTest::typingInTheBarSettingsWritesTheSettingsFileKeyByKey() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    TypeInto(form_->StringGrid2, 0, 0, QString());
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    for (const char* expected : {"2", "24", "240"}) {
        QTest::keyClick(editor, expected[std::strlen(expected) - 1]);
        QVERIFY(ReadText(SettingsFile())
                    .contains(QStringLiteral("Length=%1\r\n").arg(QString::fromLatin1(expected))));
    }
    // One release, one write: the editor's release does not reach the grid twice.
    qRegisterMetaType<QKeyEvent*>();
    QSignalSpy releases(form_->StringGrid2, &GridView::KeyReleased);
    QTest::keyClick(editor, '5');
    QCOMPARE(releases.count(), 1);
    // A key held down repeats its press, not its release: the releases the
    // platform puts between the repeats write nothing.
    QFile::remove(SettingsFile());
    QKeyEvent repeated(QEvent::KeyRelease, Qt::Key_5, Qt::NoModifier, QStringLiteral("5"), true);
    QApplication::sendEvent(editor, &repeated);
    QVERIFY(!QFile::exists(SettingsFile()));
    // A key released on the grid itself, without an editor, writes as well.
    QFile::remove(SettingsFile());
    QTest::keyRelease(form_->StringGrid2, Qt::Key_Shift);
    QVERIFY(QFile::exists(SettingsFile()));
}

void MainCommandsTest::mouseOnAutoItemNumberWritesTheSettingsAndTheSpaceBarDoesNot() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    QVERIFY(!form_->ItemNumBox1->isChecked());  // no settings file: unchecked

    form_->ItemNumBox1->setFocus();
    QTest::keyClick(form_->ItemNumBox1, Qt::Key_Space);
    QVERIFY(form_->ItemNumBox1->isChecked());
    QVERIFY(!QFile::exists(SettingsFile()));

    QTest::mouseClick(form_->ItemNumBox1, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(!form_->ItemNumBox1->isChecked());
    QVERIFY(ReadText(SettingsFile()).contains(QStringLiteral("AutoItem=0\r\n")));
    QTest::mouseClick(form_->ItemNumBox1, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(ReadText(SettingsFile()).contains(QStringLiteral("AutoItem=1\r\n")));

    // "Short Report" has no handler: its change waits for the next write.
    QTest::mouseClick(form_->ShortCheckBox1, Qt::LeftButton, {}, QPoint(5, 8));
    QVERIFY(ReadText(SettingsFile()).contains(QStringLiteral("Short=0\r\n")));
}

void MainCommandsTest::startUpReadsTheSettingsFile_data() {
    QTest::addColumn<QString>("file");  // "<none>": no settings file
    QTest::addColumn<QStringList>("bar");
    QTest::addColumn<QList<bool>>("boxes");  // No Summary, Short Report, Auto Item Number
    QTest::newRow("no file") << "<none>" << QStringList{"", "", ""}
                             << QList<bool>{false, false, false};
    QTest::newRow("all set") << "[Bar]\r\nLength=2' 6\r\nCut=1/8\r\nScrapBelow=20\r\nSummary= 1 "
                                "\r\nShort=1\r\nAutoItem=1\r\n"
                             << QStringList{"2' 6", "1/8", "20"} << QList<bool>{true, true, true};
    QTest::newRow("flags other than 1")
        << "[Bar]\r\nLength=96\r\nSummary=1.0\r\nShort=yes\r\n"
        << QStringList{"96", "", ""} << QList<bool>{false, false, false};
}

void MainCommandsTest::startUpReadsTheSettingsFile() {
    QFETCH(QString, file);
    QFETCH(QStringList, bar);
    QFETCH(QList<bool>, boxes);
    if (file != QStringLiteral("<none>")) {
        QFile out(SettingsFile());
        QVERIFY(out.open(QIODevice::WriteOnly));
        out.write(file.toLatin1());
    }
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    for (int row = 0; row < 3; ++row) {
        QCOMPARE(form_->StringGrid2->model()->index(row, 0).data().toString(), bar[row]);
    }
    QCOMPARE(form_->SumaryCheckBox1->isChecked(), boxes[0]);
    QCOMPARE(form_->ShortCheckBox1->isChecked(), boxes[1]);
    QCOMPARE(form_->ItemNumBox1->isChecked(), boxes[2]);
    QVERIFY(!form_->AltMethodCheckBox1->isChecked());
    // Reading never writes.
    QCOMPARE(QFile::exists(SettingsFile()), file != QStringLiteral("<none>"));
}

void MainCommandsTest::saveAsAndOpenGiveTheJobBack() {
    form_->FormActivate(form_.get());
    form_->BarSettings().SetCells(1, 0, "240");
    form_->BarSettings().SetCells(1, 1, "0.125");
    form_->BarSettings().SetCells(1, 2, "20");
    form_->ItemNumBox1->setChecked(true);
    form_->CutList().SetCells(0, 1, "3");
    form_->CutList().SetCells(1, 1, "96");
    form_->CutList().SetCells(0, 2, "2");
    form_->CutList().SetCells(1, 2, "48");
    form_->CutList().SetCells(4, 499, "last cell");
    form_->Title1->setText(QStringLiteral("Shelf brackets \xE9"));
    const TStringGrid::TStrings lastRow = form_->CutList().Rows(499);

    const QString path = dir_->filePath(QStringLiteral("job.txt"));
    script_.saveName = path;
    form_->FileSaveAs(form_->FileSaveAsItem);
    QCOMPARE(script_.proposed, QStringLiteral("Shelf brackets \xE9"));
    QVERIFY(script_.errors.empty());
    const QByteArray bytes = ReadText(path).toLatin1();
    QCOMPARE(bytes.count("\r\n"), 2500);
    QVERIFY(
        bytes.startsWith("Shelf brackets \xE9\r\n240\r\n0.125\r\n20\r\n1\r\n3\r\n96\r\n\r\n"
                         "\r\n\r\n2\r\n48\r\n"));
    QVERIFY(!QFile::exists(SettingsFile()));  // Save As stores no settings

    form_->FileNew(form_->FileNewItem);
    form_->ItemNumBox1->setChecked(false);
    form_->BarSettings().SetCells(1, 0, "1");
    script_.openAnswer = path;
    form_->FileOpen(form_->FileOpenItem);
    QVERIFY(script_.errors.empty());
    QCOMPARE(form_->Title1->text(), QStringLiteral("Shelf brackets \xE9"));
    QCOMPARE(form_->BarSettings().Cells(1, 0), std::string("240"));
    QCOMPARE(form_->StringGrid2->model()->index(1, 0).data().toString(), QStringLiteral("0.125"));
    QVERIFY(form_->ItemNumBox1->isChecked());
    QCOMPARE(form_->CutList().Cells(1, 2), std::string("48"));
    QCOMPARE(form_->StringGrid1->model()->index(0, 1).data().toString(), QStringLiteral("96"));
    QCOMPARE(form_->CutList().Rows(499), lastRow);
    QCOMPARE(form_->CutList().Cells(0, 0), std::string(" Qty"));  // headings stay
    QCOMPARE(form_->Report().Count(), 0);
    QVERIFY(!QFile::exists(SettingsFile()));
}

void MainCommandsTest::cancelledDialogsChangeNothing() {
    form_->CutList().SetCells(1, 1, "96");
    form_->Report().Assign({"kept"});
    form_->RefreshWidgets();
    form_->FileOpen(form_->FileOpenItem);  // no answer: cancelled
    form_->FileSaveAs(form_->FileSaveAsItem);
    QCOMPARE(script_.proposed, QStringLiteral("Untitled"));
    form_->Title1->setText(QStringLiteral("  Shelf  2 \t"));
    form_->FileSaveAs(form_->SpeedButton4);
    QCOMPARE(script_.proposed, QStringLiteral("Shelf  2"));
    QCOMPARE(form_->CutList().Cells(1, 1), std::string("96"));
    QCOMPARE(form_->Memo1->toPlainText(), QStringLiteral("kept"));
    QVERIFY(script_.errors.empty());
    QCOMPARE(QDir(dir_->path()).entryList(QDir::Files), QStringList());
}

void MainCommandsTest::openingAMissingFileKeepsTheJob() {
    form_->CutList().SetCells(0, 1, "3");
    form_->CutList().SetCells(1, 1, "96");
    form_->Title1->setText(QStringLiteral("Mine"));
    form_->Report().Assign({"report line"});
    form_->RefreshWidgets();
    script_.openAnswer = dir_->filePath(QStringLiteral("nowhere.txt"));
    form_->FileOpen(form_->FileOpenItem);
    QCOMPARE(script_.errors, Lines{"File not found."});
    QCOMPARE(form_->CutList().Cells(1, 1), std::string("96"));
    QCOMPARE(form_->StringGrid1->model()->index(0, 0).data().toString(), QStringLiteral("3"));
    QCOMPARE(form_->Title1->text(), QStringLiteral("Mine"));
    QCOMPARE(form_->Memo1->toPlainText(), QStringLiteral("report line"));
}

void MainCommandsTest::newClearsTheJobButKeepsSettingsAndBarCount() {
    form_->BarSettings().SetCells(1, 0, "100");
    form_->CutList().SetCells(1, 1, "40");
    form_->Button1Click(form_->Button1);
    QCOMPARE(form_->Label2->text(), QStringLiteral("1"));
    form_->ShortCheckBox1->setChecked(true);
    const QString settings = ReadText(SettingsFile());

    QTest::mouseClick(form_->SpeedButton1, Qt::LeftButton);

    QCOMPARE(form_->Title1->text(), QStringLiteral("Untitled"));
    QCOMPARE(form_->Memo1->toPlainText(), QString());
    QCOMPARE(form_->Report().Count(), 0);
    for (int col = 0; col < 5; ++col) {
        QCOMPARE(form_->CutList().Cells(col, 1), std::string());
    }
    QCOMPARE(form_->BarSettings().Cells(1, 0), std::string("100"));
    QCOMPARE(form_->Label2->text(), QStringLiteral("1"));
    QVERIFY(form_->ShortCheckBox1->isChecked());
    QCOMPARE(ReadText(SettingsFile()), settings);
}

void MainCommandsTest::theEditedReportIsWhatCommandsRead() {
    // Latin-1 text, no-break space included, survives the way through the
    // text area and back.
    const std::string accented =
        "caf\xE9\xA0"
        "bar";
    form_->Report().Assign({"first", accented});
    form_->RefreshWidgets();
    QCOMPARE(form_->Memo1->blockCount(), 2);
    form_->Memo1->moveCursor(QTextCursor::End);
    form_->Memo1->insertPlainText(QStringLiteral("\ntyped"));
    form_->SyncModelsFromWidgets();
    QCOMPARE(form_->Report().All(), (Lines{"first", accented, "typed"}));
    // A long report reaches the text area whole and, once edited, comes back
    // line for line.
    Lines many;
    for (int i = 0; i < 100000; ++i) {
        many.push_back("Item # {" + std::to_string(i) + "}   96");
    }
    form_->Report().Assign(many);
    form_->RefreshWidgets();
    QVERIFY(form_->Memo1->toPlainText().startsWith(QStringLiteral("Item # {0}   96\nItem # {1}")));
    form_->Memo1->moveCursor(QTextCursor::End);
    form_->Memo1->insertPlainText(QStringLiteral("\nend"));
    form_->SyncModelsFromWidgets();
    many.push_back("end");
    QCOMPARE(form_->Report().All(), many);
}

void MainCommandsTest::printWritesTheReportToThePrinter() {
    const QString pdf = dir_->filePath(QStringLiteral("report.pdf"));
    QPrinter& printer = form_->Printing().Printer();
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    form_->Report().Assign(kWorkedExampleLines);
    form_->FilePrint(form_->FilePrintItem);
    QVERIFY(script_.errors.empty());
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.readAll().startsWith("%PDF"));
    QCOMPARE(form_->StatusLine->text(), QStringLiteral("Printed to ") + pdf);
}

void MainCommandsTest::namesWithoutExtensionGetTheDefaultOne() {
    struct Case {
        const char* typed;
        const char* extension;
        const char* expected;
    };
    const Case cases[] = {
        {"/jobs/shelf", ".txt", "/jobs/shelf.txt"},
        {"/jobs/shelf", ".TXT", "/jobs/shelf.TXT"},
        {"/jobs/shelf.dat", ".txt", "/jobs/shelf.dat"},
        {"/jobs.v2/shelf", ".txt", "/jobs.v2/shelf.txt"},
        {"/jobs/ Untitled", ".txt", "/jobs/ Untitled.txt"},
        {"", ".txt", ""},
    };
    for (const Case& c : cases) {
        QCOMPARE(
            WithDefaultExtension(QString::fromLatin1(c.typed), QString::fromLatin1(c.extension)),
            QString::fromLatin1(c.expected));
    }
}

void MainCommandsTest::enterAndEscapeKeepTheCellEditorOpen() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    TypeInto(form_->StringGrid1, 4, 1, QStringLiteral("25.125"));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QTest::keyClick(editor, Qt::Key_Return);
    QTest::keyClick(editor, Qt::Key_Escape);
    QCOMPARE(QApplication::focusWidget(), editor);
    QCOMPARE(form_->StringGrid1->indexWidget(form_->StringGrid1->currentIndex()), editor);
    QCOMPARE(form_->CutList().Cells(1, 5), std::string("25.125"));
}

void MainCommandsTest::exitClosesTheWindowAndStoresNothing() {
    form_->show();
    QVERIFY(QTest::qWaitForWindowActive(form_.get()));
    form_->ShortCheckBox1->setChecked(!form_->ShortCheckBox1->isChecked());
    form_->FileExitItem->trigger();
    QVERIFY(!form_->isVisible());
    QVERIFY(!QFile::exists(SettingsFile()));
}

void MainCommandsTest::regionalSettingsComeFromTheLocale() {
    struct Case {
        QLocale::Language language;
        QLocale::Territory territory;
        char decimal;
        char dateSeparator;
    };
    const Case cases[] = {
        {QLocale::English, QLocale::UnitedStates, '.', '/'},
        {QLocale::German, QLocale::Germany, ',', '.'},
        {QLocale::French, QLocale::France, ',', '/'},
    };
    for (const Case& c : cases) {
        const QLocale locale(c.language, c.territory);
        const RegionalSettings settings = RegionalSettingsOf(locale);
        QCOMPARE(settings.DecimalSeparator, c.decimal);
        QCOMPARE(settings.DateSeparator, c.dateSeparator);
        QCOMPARE(ToQString(settings.ShortDateFormat), locale.dateFormat(QLocale::ShortFormat));
    }
}

void MainCommandsTest::theReportUsesTheRegionalDecimalSeparator() {
    RegionalSettings regional;
    regional.DecimalSeparator = ',';
    form_->SetRegionalSettings(regional);
    QCOMPARE(form_->SortAStringGrid1().DecimalSeparator, ',');
    form_->BarSettings().SetCells(1, 0, "240");
    form_->BarSettings().SetCells(1, 1, "0.125");
    form_->BarSettings().SetCells(1, 2, "20");
    const char* rows[][2] = {{"3", "96"}, {"2", "48"}, {"4", "30"}};
    for (int r = 0; r < 3; ++r) {
        form_->CutList().SetCells(0, r + 1, rows[r][0]);
        form_->CutList().SetCells(1, r + 1, rows[r][1]);
    }
    form_->ItemNumBox1->setChecked(true);
    form_->ShortCheckBox1->setChecked(false);
    form_->Button1Click(form_->Button1);
    QCOMPARE(form_->Report().Line(4), std::string("        Scrap 17,625"));
    QCOMPARE(form_->Report().Line(39), std::string("Cut Width  0,125"));
    QCOMPARE(form_->Label2->text(), QStringLiteral("3"));
}

QTEST_MAIN(MainCommandsTest)
#include "MainCommandsTest.moc"
