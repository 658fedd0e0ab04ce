// The stock on hand in the window: Use Stock plans from the stock list, a
// stock file is opened, reopened at the next start, taken from after a
// question and restored.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QtTest>
#include <algorithm>
#include <memory>
#include <string>
#include <vector>

#include "diagram/Latin1.h"
#include "tests/ui/WindowFixture.h"
#include "ui/Main.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// The shelf brackets, 3 x 96, 2 x 48, 4 x 30 at cut width 0.125, with no
// bar length: the stock takes its place.
void TypeShelfJob(TMainForm& form) {
    form.BarSettings().SetCells(1, 0, "");
    form.BarSettings().SetCells(1, 1, "0.125");
    form.BarSettings().SetCells(1, 2, "20");
    const char* rows[][2] = {{"3", "96"}, {"2", "48"}, {"4", "30"}};
    for (int row = 1; row <= 3; ++row) {
        form.CutList().SetCells(0, row, rows[row - 1][0]);
        form.CutList().SetCells(1, row, rows[row - 1][1]);
    }
    form.RefreshWidgets();
}

}  // namespace

class StockWindowTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    // Every stock file dialog names the one stock file of the test.
    void init() {
        StartWindowTest();
        script_.csvName = StockFile();
    }
    void cleanup() { dir_.reset(); }

    void useStockPlansFromTheStockList();
    void aLineThatDoesNotReadIsRefused();
    void takingFromStockIsAskedSavedAndRestored();
    void theEndTrimIsKeptWithTheStockAndCutOffEveryBar();
    void aChangedStockListIsOfferedForSavingOnClose();
    void theEndTrimIsOneStepOfTheStockUndo();
    void useStockIsKeptForTheNextStart();

  private:
    QString StockFile() const { return File(QStringLiteral("stock.csv")); }
};

void StockWindowTest::useStockPlansFromTheStockList() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    TypeShelfJob(*form);
    form->StockList().SetCells(0, 1, "240");
    form->StockList().SetCells(1, 1, "2");
    form->StockList().SetCells(0, 2, "120");
    form->UseStockCheckBox1->setChecked(true);
    form->Button1Click(form->Button1);
    QCOMPARE(script_.messages, std::vector<std::string>{});
    const std::vector<std::string> report = form->Report().All();
    QVERIFY(!report.empty());
    QVERIFY(report.front().starts_with("Bar 1 ________________ from "));
    QVERIFY(form->Label4->text().startsWith(QStringLiteral("Stock length ")));

    // Without the box, the same job plans on Bar Length again, and is
    // refused for want of one.
    form->UseStockCheckBox1->setChecked(false);
    form->Button1Click(form->Button1);
    QCOMPARE(script_.messages.size(), 1u);
}

void StockWindowTest::aLineThatDoesNotReadIsRefused() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    TypeShelfJob(*form);
    form->StockList().SetCells(0, 1, "240");
    form->StockList().SetCells(1, 1, "two");
    form->UseStockCheckBox1->setChecked(true);
    form->Button1Click(form->Button1);
    QCOMPARE(script_.messages, std::vector<std::string>{
                                   "Stock line 1: On Hand \"two\" is not a whole number of bars"});
}

void StockWindowTest::takingFromStockIsAskedSavedAndRestored() {
    const QByteArray before = "Length,On Hand,Cost\r\n240,5,\r\n";
    {
        QFile file(StockFile());
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(before);
    }
    std::unique_ptr<TMainForm> form = ActivatedForm();
    form->FileOpenStock();
    QCOMPARE(form->StockList().Cells(1, 1), std::string("5"));
    TypeShelfJob(*form);
    form->UseStockCheckBox1->setChecked(true);
    form->Button1Click(form->Button1);
    const int bars = form->Label2->text().toInt();
    QVERIFY(bars > 0);

    script_.replaceAnswer = false;
    form->FileTakeFromStock();
    QCOMPARE(Bytes(StockFile()), before);
    script_.replaceAnswer = true;
    form->FileTakeFromStock();
    QCOMPARE(script_.questions.size(), 2u);
    const QByteArray taken = Bytes(StockFile());
    QVERIFY(
        taken.startsWith("Length,On Hand,Cost\r\n240," + QByteArray::number(5 - bars) + ",\r\n"));
    // Taking is one step of the stock list's Undo.
    form->StockUndoItem->trigger();
    QCOMPARE(form->StockList().Cells(1, 1), std::string("5"));
    form->StockRedoItem->trigger();
    QCOMPARE(form->StockList().Cells(1, 1), std::to_string(5 - bars));

    // The next start opens the stock file as it was left.
    form.reset();
    form = ActivatedForm();
    QCOMPARE(form->StockList().Cells(1, 1), std::to_string(5 - bars));

    form->FileOpenStock();
    TypeShelfJob(*form);
    form->UseStockCheckBox1->setChecked(true);
    form->Button1Click(form->Button1);
    form->FileTakeFromStock();
    form->FileRestoreStock();
    QCOMPARE(Bytes(StockFile()), taken);
}

void StockWindowTest::theEndTrimIsKeptWithTheStockAndCutOffEveryBar() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    TypeShelfJob(*form);
    form->CutList().SetCells(0, 1, "1");
    for (int row = 2; row <= 3; ++row) {
        form->CutList().SetCells(0, row, "");
        form->CutList().SetCells(1, row, "");
    }
    form->StockList().SetCells(0, 1, "100");
    form->StockList().SetCells(0, 2, "240");
    form->UseStockCheckBox1->setChecked(true);
    form->Button1Click(form->Button1);
    QCOMPARE(form->Report().All().front(), std::string("Bar 1 ________________ from 100"));

    // Five off each bar leaves 95 of the short one, too little for the 96.
    QTest::keyClicks(form->StockEndTrim1, QStringLiteral("5"));
    form->Button1Click(form->Button1);
    QCOMPARE(script_.messages, std::vector<std::string>{});
    const std::vector<std::string> report = form->Report().All();
    QCOMPARE(report.front(), std::string("Bar 1 ________________ from 240"));
    QVERIFY(std::find(report.begin(), report.end(), "End Trim 5.000") != report.end());

    form->FileSaveStock();
    QCOMPARE(Bytes(StockFile()),
             QByteArray("Length,On Hand,Cost\r\n100,,\r\n240,,\r\nEnd Trim,5,\r\n"));
    form.reset();
    form = ActivatedForm();
    QCOMPARE(form->StockEndTrim1->text(), QStringLiteral("5"));
}

void StockWindowTest::aChangedStockListIsOfferedForSavingOnClose() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    QVERIFY(form->close());
    QCOMPARE(script_.questions.size(), 0u);

    form = ActivatedForm();
    form->StockList().SetCells(0, 1, "240");
    form->RefreshWidgets();
    QVERIFY(form->StockWindow->isWindowModified());
    script_.saveAnswer = SaveChoice::Cancel;
    QVERIFY(!form->close());
    script_.saveAnswer = SaveChoice::Save;
    QVERIFY(form->close());
    const std::string question = "Save the changes to the stock list?";
    QCOMPARE(script_.questions, (std::vector<std::string>{question, question}));
    QCOMPARE(Bytes(StockFile()), QByteArray("Length,On Hand,Cost\r\n240,,\r\n"));
    QCOMPARE(form->StockWindow->windowTitle(), QStringLiteral("Velmar Stock - stock.csv[*]"));
    QVERIFY(!form->StockWindow->isWindowModified());
}

void StockWindowTest::theEndTrimIsOneStepOfTheStockUndo() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    QTest::keyClicks(form->StockEndTrim1, QStringLiteral("12"));
    QTest::keyClick(form->StockEndTrim1, Qt::Key_Backspace);
    QTest::keyClicks(form->StockEndTrim1, QStringLiteral("5"));
    // The keystrokes of one visit to the field are one step of Undo.
    form->StockUndoItem->trigger();
    QCOMPARE(form->StockEndTrim1->text(), QString());
    QVERIFY(!form->StockWindow->isWindowModified());
    form->StockRedoItem->trigger();
    QCOMPARE(form->StockEndTrim1->text(), QStringLiteral("15"));
    QVERIFY(form->StockWindow->isWindowModified());
}

void StockWindowTest::useStockIsKeptForTheNextStart() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    QVERIFY(!form->UseStockCheckBox1->isChecked());
    form->UseStockCheckBox1->click();
    form.reset();
    form = ActivatedForm();
    QVERIFY(form->UseStockCheckBox1->isChecked());
}

QTEST_MAIN(StockWindowTest)
#include "StockWindowTest.moc"
