// The grids edit as a spreadsheet does: ranges through the clipboard as
// tab-separated rows, rows in and out of the cut list, and Undo and Redo of
// every change, Calculate's included.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "tests/ui/WindowFixture.h"
#include "ui/GridView.h"
#include "ui/Main.h"

using Rows = std::vector<std::vector<std::string>>;

class GridEditingTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void copyAndCutGiveTabSeparatedRows();
    void pasteFillsFromTheCurrentCellAndUndoTakesItBack();
    void typingInACellIsOneUndoStep();
    void deleteEmptiesARangeTypedOrChosen();
    void rowsGoInAndOutOfTheCutList();
    void undoOfCalculateGivesTheCutListBack();

  private:
    QLineEdit* Select(int top, int left, int bottom, int right);
    Rows CutListCells(int firstRow, int rows, int columns) const;
    void Fill(const Rows& rows);
};

void GridEditingTest::init() {
    StartWindowTest();
    QVERIFY(ShowForm());
}

void GridEditingTest::cleanup() {
    form_.reset();
}

// Selects view rows top to bottom, columns left to right of the cut list,
// as Shift with the arrow keys does, and gives the current cell's editor.
QLineEdit* GridEditingTest::Select(int top, int left, int bottom, int right) {
    GridView* grid = form_->StringGrid1;
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(top, left));
    for (int row = top; row < bottom; ++row) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Down, Qt::ShiftModifier);
    }
    for (int column = left; column < right; ++column) {
        auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
        if (editor != nullptr) {
            editor->selectAll();
        }
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Right, Qt::ShiftModifier);
    }
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

Rows GridEditingTest::CutListCells(int firstRow, int rows, int columns) const {
    Rows cells(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < columns; ++c) {
            cells[static_cast<std::size_t>(r)].push_back(form_->CutList().Cells(c, firstRow + r));
        }
    }
    return cells;
}

void GridEditingTest::Fill(const Rows& rows) {
    for (std::size_t r = 0; r < rows.size(); ++r) {
        form_->CutList().SetRows(static_cast<int>(r) + 1, rows[r]);
    }
    form_->RefreshWidgets();
}

void GridEditingTest::copyAndCutGiveTabSeparatedRows() {
    Fill({{"3", "96", "A"}, {"2", "48", "B"}, {"4", "30", "C"}});
    QLineEdit* editor = Select(0, 1, 1, 2);
    QVERIFY(editor != nullptr);
    QCOMPARE(form_->StringGrid1->SelectedArea(), QRect(1, 0, 2, 2));
    QTest::keyClick(editor, Qt::Key_C, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("96\tA\n48\tB\n"));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(QApplication::clipboard()->text(), QStringLiteral("96\tA\n48\tB\n"));
    QCOMPARE(CutListCells(1, 3, 3), (Rows{{"3", "", ""}, {"2", "", ""}, {"4", "30", "C"}}));
}

void GridEditingTest::pasteFillsFromTheCurrentCellAndUndoTakesItBack() {
    Fill({{"1", "10"}});
    QApplication::clipboard()->setText(QStringLiteral("3\t96\r\n2\t48\r\n"));
    Select(0, 0, 0, 0);
    form_->EditPasteItem->trigger();
    QCOMPARE(CutListCells(1, 2, 2), (Rows{{"3", "96"}, {"2", "48"}}));

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(CutListCells(1, 2, 2), (Rows{{"1", "10"}, {"", ""}}));
    auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(editor != nullptr);
    QCOMPARE(editor->text(), QStringLiteral("1"));
    QTest::keyClick(editor, Qt::Key_Y, Qt::ControlModifier);
    QCOMPARE(CutListCells(1, 2, 2), (Rows{{"3", "96"}, {"2", "48"}}));

    // Not even the part that fits goes in when the rest does not.
    Select(498, 0, 498, 0);
    form_->EditPasteItem->trigger();
    QTRY_COMPARE(script_.messages.size(), std::size_t{1});
    QCOMPARE(form_->CutList().Cells(0, 499), std::string());
}

void GridEditingTest::typingInACellIsOneUndoStep() {
    QLineEdit* editor = Select(2, 1, 2, 1);
    QTest::keyClicks(editor, QStringLiteral("12.5"));
    editor = Select(3, 1, 3, 1);
    QTest::keyClicks(editor, QStringLiteral("7"));
    QTest::keyClick(editor, Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form_->CutList().Cells(1, 4), std::string());
    QCOMPARE(form_->CutList().Cells(1, 3), std::string("12.5"));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(form_->CutList().Cells(1, 3), std::string());
    QVERIFY(!form_->JobChanged());
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Z,
                    Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(form_->CutList().Cells(1, 3), std::string("12.5"));
}

void GridEditingTest::deleteEmptiesARangeTypedOrChosen() {
    Fill({{"3", "96"}, {"2", "48"}});
    QLineEdit* editor = Select(0, 0, 1, 0);
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(CutListCells(1, 2, 2), (Rows{{"", "96"}, {"", "48"}}));
    form_->EditUndoItem->trigger();
    QCOMPARE(CutListCells(1, 2, 2), (Rows{{"3", "96"}, {"2", "48"}}));

    // Within one cell Delete is the text's: it takes the character after
    // the cursor.
    editor = Select(1, 1, 1, 1);
    editor->setCursorPosition(0);
    QTest::keyClick(editor, Qt::Key_Delete);
    QCOMPARE(form_->CutList().Cells(1, 2), std::string("8"));
    form_->EditDeleteItem->trigger();
    QCOMPARE(form_->CutList().Cells(1, 2), std::string());
}

void GridEditingTest::rowsGoInAndOutOfTheCutList() {
    Fill({{"1", "10"}, {"2", "20"}, {"3", "30"}});
    Select(1, 0, 1, 0);
    form_->EditInsertRowItem->trigger();
    QCOMPARE(CutListCells(1, 4, 2), (Rows{{"1", "10"}, {"", ""}, {"2", "20"}, {"3", "30"}}));
    Select(0, 0, 1, 1);
    form_->EditDeleteRowItem->trigger();
    QCOMPARE(CutListCells(1, 3, 2), (Rows{{"2", "20"}, {"3", "30"}, {"", ""}}));
    form_->EditUndoItem->trigger();
    form_->EditUndoItem->trigger();
    QCOMPARE(CutListCells(1, 3, 2), (Rows{{"1", "10"}, {"2", "20"}, {"3", "30"}}));

    // A full last row would fall off the grid: no row opens.
    form_->CutList().SetCells(2, 499, "last");
    form_->RefreshWidgets();
    Select(0, 0, 0, 0);
    form_->EditInsertRowItem->trigger();
    QCOMPARE(script_.messages.size(), std::size_t{1});
    QCOMPARE(form_->CutList().Cells(0, 1), std::string("1"));
}

void GridEditingTest::undoOfCalculateGivesTheCutListBack() {
    form_->BarSettings().SetCells(1, 0, "100");
    Fill({{"", "30"}, {"2", "45"}});
    const Rows typed = CutListCells(1, 2, 5);
    form_->EditCalculateItem->trigger();
    QCOMPARE(form_->CutList().Cells(1, 1), std::string("45"));
    QVERIFY(!form_->BarSettings().Cells(1, 3).empty());
    form_->EditUndoItem->trigger();
    QCOMPARE(CutListCells(1, 2, 5), typed);
    QCOMPARE(form_->BarSettings().Cells(1, 3), std::string());
    form_->EditRedoItem->trigger();
    QCOMPARE(form_->CutList().Cells(1, 1), std::string("45"));
}

QTEST_MAIN(GridEditingTest)
#include "GridEditingTest.moc"
