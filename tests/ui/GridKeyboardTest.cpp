// The window from the keyboard alone: moving between the cells of a grid,
// leaving a grid either way, and running Calculate from its button.
#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "tests/ui/WindowFixture.h"
#include "ui/GridView.h"
#include "ui/Main.h"

class GridKeyboardTest : public QObject, protected WindowFixture {
    Q_OBJECT
  private slots:
    void init();
    void cleanup();
    void leftAndRightAtTheEdgesOfTheTextMoveBetweenCells();
    void tabAndShiftTabLeaveTheGrids();
    void returnOnCalculateRunsIt();

  private:
    QLineEdit* Editor() const { return qobject_cast<QLineEdit*>(QApplication::focusWidget()); }
};

void GridKeyboardTest::init() {
    StartWindowTest();
    QVERIFY(ShowForm());
}

void GridKeyboardTest::cleanup() {
    form_.reset();
}

void GridKeyboardTest::leftAndRightAtTheEdgesOfTheTextMoveBetweenCells() {
    const struct {
        const char* text;
        int cursor;  // -1: the whole text selected, as when the cell is entered
        Qt::Key key;
        Qt::KeyboardModifiers modifiers;
        int column;  // the current column afterwards, from column 1
        int cursorAfter;
    } cases[] = {
        {"96", 2, Qt::Key_Right, Qt::NoModifier, 2, -1},
        {"96", 1, Qt::Key_Right, Qt::NoModifier, 1, 2},
        {"96", 0, Qt::Key_Left, Qt::NoModifier, 0, -1},
        {"96", 1, Qt::Key_Left, Qt::NoModifier, 1, 0},
        {"96", -1, Qt::Key_Right, Qt::NoModifier, 2, -1},
        {"96", -1, Qt::Key_Left, Qt::NoModifier, 0, -1},
        {"", 0, Qt::Key_Right, Qt::NoModifier, 2, -1},
        {"96", 2, Qt::Key_Right, Qt::ShiftModifier, 1, 2},  // Shift selects text
        {"96", 0, Qt::Key_Left, Qt::ShiftModifier, 1, 0},
    };
    GridView* grid = form_->StringGrid1;
    for (const auto& c : cases) {
        form_->CutList().SetCells(1, 3, c.text);
        form_->RefreshWidgets();
        grid->setFocus();
        grid->setCurrentIndex(grid->model()->index(2, 1));
        QLineEdit* editor = Editor();
        QVERIFY(editor != nullptr);
        if (c.cursor >= 0) {
            editor->setCursorPosition(c.cursor);
        } else {
            editor->selectAll();
        }
        QTest::keyClick(editor, c.key, c.modifiers);
        QCOMPARE(grid->currentIndex().column(), c.column);
        QCOMPARE(grid->currentIndex().row(), 2);
        QVERIFY(Editor() != nullptr);
        QCOMPARE(grid->indexWidget(grid->currentIndex()), Editor());
        if (c.cursorAfter >= 0) {
            QCOMPARE(Editor()->cursorPosition(), c.cursorAfter);
        }
    }
    // The last column and the first keep the cursor where it is.
    grid->setCurrentIndex(grid->model()->index(2, 4));
    QTest::keyClick(Editor(), Qt::Key_Right);
    QCOMPARE(grid->currentIndex().column(), 4);
    grid->setCurrentIndex(grid->model()->index(2, 0));
    QTest::keyClick(Editor(), Qt::Key_Left);
    QCOMPARE(grid->currentIndex().column(), 0);
}

void GridKeyboardTest::tabAndShiftTabLeaveTheGrids() {
    form_->StringGrid2->setFocus();
    QVERIFY(form_->StringGrid2->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    QVERIFY(form_->StringGrid1->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Backtab, Qt::ShiftModifier);
    // The last control of the tab order.
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form_->FewestBarsCheckBox1));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form_->StringGrid1->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QVERIFY(form_->StringGrid2->isAncestorOf(QApplication::focusWidget()));
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
    QCOMPARE(QApplication::focusWidget(), static_cast<QWidget*>(form_->Memo1));
}

void GridKeyboardTest::returnOnCalculateRunsIt() {
    for (const Qt::Key key : {Qt::Key_Return, Qt::Key_Enter, Qt::Key_Space}) {
        form_->BarSettings().SetCells(1, 0, "100");
        form_->CutList().SetCells(0, 1, "3");
        form_->CutList().SetCells(1, 1, "40");
        form_->Label2->setText(QStringLiteral("0"));
        form_->RefreshWidgets();
        form_->Button1->setFocus();
        QTest::keyClick(form_->Button1, key);
        QTRY_COMPARE(form_->Label2->text(), QStringLiteral("2"));
    }
}

QTEST_MAIN(GridKeyboardTest)
#include "GridKeyboardTest.moc"
