// The "Fewest Bars" box of the window: stored in the settings file, exclusive
// with "Alternate Method", its bound beside the result, and a Calculate whose
// search the user cancels leaving the window as it was, and the search's
// progress box telling its best plan and bound.
#include <QCheckBox>
#include <QFile>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressDialog>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QtTest>
#include <memory>
#include <random>
#include <string>
#include <vector>

#include "tests/ui/WindowFixture.h"
#include "ui/Main.h"

namespace {

QByteArray Bytes(const QString& path) {
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

// Bar 1000 without cut width: 450, 400, 350, 300, 250, 250. First fit,
// longest first, needs three bars; 450 + 300 + 250 and 400 + 350 + 250 fill two.
void TypeTwoBarJob(TMainForm& form) {
    form.BarSettings().SetCells(1, 0, "1000");
    form.BarSettings().SetCells(1, 1, "0");
    form.BarSettings().SetCells(1, 2, "20");
    const char* lengths[] = {"300", "450", "250", "400", "350"};
    for (int row = 1; row <= 5; ++row) {
        form.CutList().SetCells(0, row, row == 3 ? "2" : "1");
        form.CutList().SetCells(1, row, lengths[row - 1]);
    }
    form.RefreshWidgets();
}

// Bar 500000 without cut width, 2500 pieces of 300 lengths from 5 to 45 % of
// the bar: a search that takes longer than a glance and seldom proves its
// plan within a second.
void TypeLargeJob(TMainForm& form) {
    form.BarSettings().SetCells(1, 0, "500000");
    form.BarSettings().SetCells(1, 1, "0");
    form.BarSettings().SetCells(1, 2, "0");
    std::mt19937 random(12);
    std::vector<int> quantities(300, 0);
    for (int piece = 0; piece < 2500; ++piece) {
        ++quantities[random() % quantities.size()];
    }
    for (int row = 1; row <= 300; ++row) {
        const int length = 25000 + static_cast<int>(random() % 200001);
        form.CutList().SetCells(0, row, std::to_string(quantities[row - 1]));
        form.CutList().SetCells(1, row, std::to_string(length));
    }
    form.RefreshWidgets();
}

std::vector<TStringGrid::TStrings> RowsOf(const TStringGrid& grid) {
    std::vector<TStringGrid::TStrings> rows;
    for (int row = 0; row < grid.RowCount(); ++row) {
        rows.push_back(grid.Rows(row));
    }
    return rows;
}

}  // namespace

class FewestBarsWindowTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void theBoxIsStoredAndExcludesTheAlternateMethod();
    void theBoundStandsBesideTheResult_data();
    void theBoundStandsBesideTheResult();
    void cancelLeavesTheWindowAsBeforeCalculate();
    void theBoxShowsTheBestPlanAndBoundAsTheyImprove();
};

void FewestBarsWindowTest::init() {
    StartWindowTest();
}

void FewestBarsWindowTest::cleanup() {
    dir_.reset();
}

void FewestBarsWindowTest::theBoxIsStoredAndExcludesTheAlternateMethod() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    form->show();
    QVERIFY(!form->FewestBarsCheckBox1->isChecked());

    form->AltMethodCheckBox1->setChecked(true);
    QTest::mouseClick(form->FewestBarsCheckBox1, Qt::LeftButton);
    QVERIFY(form->FewestBarsCheckBox1->isChecked());
    QVERIFY(!form->AltMethodCheckBox1->isChecked());
    QVERIFY(Bytes(SettingsFile()).endsWith("AutoItem=0\r\nFewestBars=1\r\n"));

    form->AltMethodCheckBox1->setChecked(true);
    QVERIFY(!form->FewestBarsCheckBox1->isChecked());
    form->FewestBarsCheckBox1->setChecked(true);
    QVERIFY(!form->AltMethodCheckBox1->isChecked());

    // The next start finds it ticked, and the alternate method as always not.
    form.reset();
    form = ActivatedForm();
    QVERIFY(form->FewestBarsCheckBox1->isChecked());
    QVERIFY(!form->AltMethodCheckBox1->isChecked());

    QTest::mouseClick(form->FewestBarsCheckBox1, Qt::LeftButton);
    form.reset();
    form = ActivatedForm();
    QVERIFY(!form->FewestBarsCheckBox1->isChecked());
}

void FewestBarsWindowTest::theBoundStandsBesideTheResult_data() {
    QTest::addColumn<bool>("fewestBars");
    QTest::addColumn<double>("seconds");
    QTest::addColumn<QString>("barCount");
    QTest::addColumn<QString>("bound");
    QTest::newRow("first fit") << false << 10.0 << "3"
                               << "";
    QTest::newRow("fewest bars") << true << 10.0 << "2"
                                 << "2 bars; no plan can use fewer than 2";
    QTest::newRow("no time to search")
        << true << 0.0 << "3"
        << "3 bars; no plan can use fewer than 2; not proven minimal";
}

void FewestBarsWindowTest::theBoundStandsBesideTheResult() {
    QFETCH(bool, fewestBars);
    QFETCH(double, seconds);
    QFETCH(QString, barCount);
    QFETCH(QString, bound);

    std::unique_ptr<TMainForm> form = ActivatedForm();
    TypeTwoBarJob(*form);
    form->FewestBarsCheckBox1->setChecked(fewestBars);
    form->PlanningSeconds = seconds;
    form->Button1Click(form->Button1);

    QCOMPARE(form->Label2->text(), barCount);
    QCOMPARE(form->Label4->text(), bound);
    // The bound is no part of the report, which stays what printing reads.
    QCOMPARE(form->Report().Line(0), std::string("Bar 1 ________________"));
    for (const std::string& line : form->Report().All()) {
        QVERIFY(line.find("no plan") == std::string::npos);
    }
}

void FewestBarsWindowTest::cancelLeavesTheWindowAsBeforeCalculate() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    form->show();
    TypeTwoBarJob(*form);
    form->Button1Click(form->Button1);
    QCOMPARE(form->Label2->text(), QStringLiteral("3"));
    // A row more, out of order, and a note typed into the report.
    form->CutList().SetCells(0, 6, "4");
    form->CutList().SetCells(1, 6, "500");
    form->RefreshWidgets();
    form->Memo1->appendPlainText(QStringLiteral("checked by Ann"));

    const std::vector<TStringGrid::TStrings> cutList = RowsOf(form->CutList());
    const std::vector<TStringGrid::TStrings> barSettings = RowsOf(form->BarSettings());
    const QString memo = form->Memo1->toPlainText();
    const QByteArray settings = Bytes(SettingsFile());
    const auto endIndex = form->SortAStringGrid1().EndIndex;

    form->FewestBarsCheckBox1->setChecked(true);
    form->PlanningMoment = std::chrono::milliseconds(0);
    bool dialogShown = false;
    // Queued before Calculate starts, so it is the first thing the progress
    // dialog's wait delivers.
    QTimer::singleShot(0, form.get(), [&] {
        auto* dialog = form->findChild<QProgressDialog*>(QStringLiteral("PlanningProgress"));
        QVERIFY(dialog != nullptr && dialog->isVisible());
        dialogShown = true;
        auto* cancel = dialog->findChild<QPushButton*>();
        QVERIFY(cancel != nullptr);
        QCOMPARE(cancel->text(), QStringLiteral("Cancel"));
        cancel->click();
    });
    form->Button1Click(form->Button1);

    QVERIFY(dialogShown);
    QCOMPARE(RowsOf(form->CutList()), cutList);
    QCOMPARE(RowsOf(form->BarSettings()), barSettings);
    QCOMPARE(form->Memo1->toPlainText(), memo);
    QCOMPARE(form->Label2->text(), QStringLiteral("3"));
    QCOMPARE(form->Label4->text(), QString());
    QCOMPARE(Bytes(SettingsFile()), settings);
    QCOMPARE(form->SortAStringGrid1().EndIndex, endIndex);

    // Calculated again without cancelling, the new row is planned.
    form->Button1Click(form->Button1);
    QCOMPARE(form->Label2->text(), QStringLiteral("4"));
}

void FewestBarsWindowTest::theBoxShowsTheBestPlanAndBoundAsTheyImprove() {
    std::unique_ptr<TMainForm> form = ActivatedForm();
    form->show();
    TypeLargeJob(*form);
    form->FewestBarsCheckBox1->setChecked(true);
    form->PlanningMoment = std::chrono::milliseconds(0);
    form->PlanningSeconds = 1.0;
    QStringList seen;
    QTimer look;
    QObject::connect(&look, &QTimer::timeout, form.get(), [&] {
        auto* dialog = form->findChild<QProgressDialog*>(QStringLiteral("PlanningProgress"));
        if (dialog != nullptr && dialog->isVisible()) {
            seen.push_back(dialog->labelText());
        }
    });
    look.start(10);
    form->Button1Click(form->Button1);
    look.stop();

    const QRegularExpression told(
        QStringLiteral("^Looking for the plan with the fewest bars\\.\\.\\.\nBest plan (\\d+) "
                       "bars, at least (\\d+)$"));
    const QRegularExpression result(
        QStringLiteral("^(\\d+) bars; no plan can use fewer than (\\d+)"));
    const QRegularExpressionMatch final = result.match(form->Label4->text());
    QVERIFY2(final.hasMatch(), qPrintable(form->Label4->text()));
    const int bars = final.captured(1).toInt();
    const int bound = final.captured(2).toInt();
    int lastBars = bars + 1000000;
    int lastBound = 0;
    int reports = 0;
    for (const QString& text : seen) {
        if (text == QStringLiteral("Looking for the plan with the fewest bars...")) {
            continue;
        }
        const QRegularExpressionMatch match = told.match(text);
        QVERIFY2(match.hasMatch(), qPrintable(text));
        ++reports;
        const int shownBars = match.captured(1).toInt();
        const int shownBound = match.captured(2).toInt();
        QVERIFY(shownBars <= lastBars && shownBound >= lastBound);
        QVERIFY(shownBars >= bars && shownBound <= bound && shownBound <= shownBars);
        lastBars = shownBars;
        lastBound = shownBound;
    }
    QVERIFY(reports > 0);
}

QTEST_MAIN(FewestBarsWindowTest)
#include "FewestBarsWindowTest.moc"
