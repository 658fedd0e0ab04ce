// The stock list edits in its window as the cut list does, with a history of
// its own: typing, pasting, deleting and rows in and out are undone and redone
// there, and never by Undo in the main window.
#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QLineEdit>
#include <QtTest>
#include <memory>

#include "diagram/Latin1.h"
#include "tests/ui/WindowFixture.h"
#include "ui/GridView.h"
#include "ui/Main.h"

using Rows = std::vector<std::vector<std::string>>;

class StockEditingTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();

    void typingPasteAndDeleteAreUndoneInTheStockWindow();
    void rowsGoInAndOutOfTheStockList();

  private:
    QLineEdit* Select(int top, int left, int bottom, int right);
    Rows StockCells(int rows) const;
    void Press(Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);
};

void StockEditingTest::init() {
    StartWindowTest();
    QVERIFY(ShowForm());
    form_->FileStockItem->trigger();
    QTRY_COMPARE(QApplication::activeWindow(), form_->StockWindow);
}

void StockEditingTest::cleanup() {
    form_.reset();
}

// Selects view rows top to bottom, columns left to right of the stock list
// as Shift with the arrow keys does, and gives the current cell's editor.
QLineEdit* StockEditingTest::Select(int top, int left, int bottom, int right) {
    GridView* grid = form_->StockGrid1;
    grid->setFocus();
    grid->setCurrentIndex(grid->model()->index(top, left));
    for (int row = top; row < bottom; ++row) {
        Press(Qt::Key_Down, Qt::ShiftModifier);
    }
    for (int column = left; column < right; ++column) {
        if (auto* editor = qobject_cast<QLineEdit*>(QApplication::focusWidget())) {
            editor->selectAll();
        }
        Press(Qt::Key_Right, Qt::ShiftModifier);
    }
    return qobject_cast<QLineEdit*>(QApplication::focusWidget());
}

Rows StockEditingTest::StockCells(int rows) const {
    Rows cells(static_cast<std::size_t>(rows));
    for (int r = 0; r < rows; ++r) {
        for (int c = 0; c < 3; ++c) {
            cells[static_cast<std::size_t>(r)].push_back(form_->StockList().Cells(c, r + 1));
        }
    }
    return cells;
}

void StockEditingTest::Press(Qt::Key key, Qt::KeyboardModifiers modifiers) {
    QTest::keyClick(QApplication::focusWidget(), key, modifiers);
}

void StockEditingTest::typingPasteAndDeleteAreUndoneInTheStockWindow() {
    QTest::keyClicks(Select(0, 0, 0, 0), QStringLiteral("240"));
    QTest::keyClicks(Select(0, 1, 0, 1), QStringLiteral("2"));
    QApplication::clipboard()->setText(QStringLiteral("144\t3\t4.5\n96\t\t\n"));
    Select(1, 0, 1, 0);
    form_->EditPasteItem->trigger();
    QCOMPARE(StockCells(3), (Rows{{"240", "2", ""}, {"144", "3", "4.5"}, {"96", "", ""}}));
    Select(1, 1, 2, 2);
    Press(Qt::Key_Delete);
    QCOMPARE(StockCells(3), (Rows{{"240", "2", ""}, {"144", "", ""}, {"96", "", ""}}));
    // The main window's history holds none of it.
    QVERIFY(!form_->EditUndoItem->isEnabled());

    Press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(StockCells(3), (Rows{{"240", "2", ""}, {"144", "3", "4.5"}, {"96", "", ""}}));
    Press(Qt::Key_Z, Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(StockCells(3), (Rows{{"240", "", ""}, {"", "", ""}, {"", "", ""}}));
    Press(Qt::Key_Z, Qt::ControlModifier);
    QCOMPARE(StockCells(1), (Rows{{"", "", ""}}));
    QVERIFY(!form_->StockUndoItem->isEnabled());
    Press(Qt::Key_Y, Qt::ControlModifier);
    Press(Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    QCOMPARE(StockCells(1), (Rows{{"240", "2", ""}}));
}

void StockEditingTest::rowsGoInAndOutOfTheStockList() {
    form_->StockList().SetRows(1, {"240", "2"});
    form_->StockList().SetRows(2, {"120", "", "3"});
    form_->RefreshWidgets();
    Select(1, 0, 1, 0);
    form_->EditInsertRowItem->trigger();
    QCOMPARE(StockCells(3), (Rows{{"240", "2", ""}, {"", "", ""}, {"120", "", "3"}}));
    Select(0, 0, 1, 2);
    form_->EditDeleteRowItem->trigger();
    QCOMPARE(StockCells(2), (Rows{{"120", "", "3"}, {"", "", ""}}));
    form_->StockUndoItem->trigger();
    form_->StockUndoItem->trigger();
    QCOMPARE(StockCells(3), (Rows{{"240", "2", ""}, {"120", "", "3"}, {"", "", ""}}));
    form_->StockRedoItem->trigger();
    QCOMPARE(StockCells(3), (Rows{{"240", "2", ""}, {"", "", ""}, {"120", "", "3"}}));

    // A full last row would fall off the list: no row opens.
    form_->StockList().SetCells(0, form_->StockList().RowCount() - 1, "60");
    form_->RefreshWidgets();
    Select(0, 0, 0, 0);
    form_->EditInsertRowItem->trigger();
    QCOMPARE(script_.messages,
             std::vector<std::string>{"The last row of the stock list is not empty; no row was "
                                      "inserted."});
}

QTEST_MAIN(StockEditingTest)
#include "StockEditingTest.moc"
