// The window as the user meets it: controls, captions, hints, fonts, tab
// order, resizing and the help commands.
#include <QAbstractItemModel>
#include <QAction>
#include <QCheckBox>
#include <QEnterEvent>
#include <QFontMetrics>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QMenuBar>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QTextBrowser>
#include <QToolButton>
#include <QtTest>

#include "tests/ui/WindowFixture.h"
#include "ui/GridView.h"
#include "ui/HelpWindow.h"
#include "ui/HintDisplay.h"
#include "ui/Main.h"
#include "ui/MouseUpCheckBox.h"
#include "ui/WindowLayout.h"

namespace {

void Enter(QWidget* widget) {
    QEnterEvent event(QPointF(1, 1), QPointF(1, 1), widget->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(widget, &event);
}

void Leave(QWidget* widget) {
    QEvent event(QEvent::Leave);
    QApplication::sendEvent(widget, &event);
}

}  // namespace

class MainWindowLayoutTest : public QObject {
    Q_OBJECT
  private slots:
    void controlsStandWhereTheyBelong_data();
    void controlsStandWhereTheyBelong();
    void captionsFitTheirControls();
    void gridsAreLaidOutByTheActivationStep();
    void designStatesBeforeActivation();
    void hoveringAControlShowsItsHintInTheStatusLine_data();
    void hoveringAControlShowsItsHintInTheStatusLine();
    void aCellEditorShowsTheGridsHint();
    void menuEntriesShowTheirHints_data();
    void menuEntriesShowTheirHints();
    void noControlShowsAPopUpHint();
    void tabOrderFollowsTheInputFlow();
    void focusStartsInTheFirstCutListCellWithItsEditor();
    void enlargingGivesTheRoomToTheReportAndTheCutList();
    void helpCommandsOpenTheirPages();
    void helpSearchFindsPagesByKeywordAndText();
};

void MainWindowLayoutTest::controlsStandWhereTheyBelong_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("accessibleName");
    QTest::addColumn<QString>("className");

    auto row = [](const char* name, const char* caption, const char* accessible,
                  const char* className) {
        QTest::newRow(name) << QString::fromLatin1(name) << QString::fromLatin1(caption)
                            << QString::fromLatin1(accessible) << QString::fromLatin1(className);
    };
    row("SpeedButton1", "", "New", "QToolButton");
    row("SpeedButton2", "", "Open", "QToolButton");
    row("SpeedButton4", "", "Save As", "QToolButton");
    row("SpeedButton3", "", "Print", "QToolButton");
    row("Label1", "Page Heading :", "Page Heading :", "QLabel");
    row("Title1", " Untitled", "Title1", "QLineEdit");
    row("StringGrid1", "", "StringGrid1", "GridView");
    row("Memo1", "", "Memo1", "QPlainTextEdit");
    row("StringGrid2", "", "StringGrid2", "GridView");
    row("Button1", "Calculate", "Calculate", "QPushButton");
    row("Label3", "Bar Count", "Bar Count", "QLabel");
    row("Label2", "0", "Label2", "QLabel");
    row("SumaryCheckBox1", "No Summary", "No Summary", "QCheckBox");
    row("ShortCheckBox1", "Short Report", "Short Report", "QCheckBox");
    row("ItemNumBox1", "Auto Item Number", "Auto Item Number", "MouseUpCheckBox");
    row("AltMethodCheckBox1", "Alternate Method", "Alternate Method", "QCheckBox");
    row("FewestBarsCheckBox1", "Fewest Bars", "Fewest Bars", "QCheckBox");
    row("Label4", "", "Label4", "QLabel");
    row("SpeedBar", "", "SpeedBar", "QWidget");
    row("StatusLine", "", "StatusLine", "QLabel");
}

void MainWindowLayoutTest::controlsStandWhereTheyBelong() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, accessibleName);
    QFETCH(QString, className);

    ScopedForm form;
    form.show();
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY2(control != nullptr, qPrintable(name));
    QCOMPARE(QString::fromLatin1(control->metaObject()->className()), className);
    // Where the layout table puts it, once the window is shown and laid out.
    const ControlPlace& place = PlaceOf(name.toStdString());
    QCOMPARE(control->pos(), QPoint(place.Left, place.Top));
    if (place.Width > 0) {
        QCOMPARE(control->size(), QSize(place.Width, place.Height));
    }
    QCOMPARE(control->accessibleName(), accessibleName);
    if (auto* label = qobject_cast<QLabel*>(control); label != nullptr && !caption.isEmpty()) {
        QCOMPARE(label->text(), caption);
    } else if (auto* button = qobject_cast<QAbstractButton*>(control)) {
        QCOMPARE(button->text(), caption);
    } else if (auto* edit = qobject_cast<QLineEdit*>(control)) {
        QCOMPARE(edit->text(), caption);
    }
}

void MainWindowLayoutTest::captionsFitTheirControls() {
    ScopedForm form;
    form.show();
    const QFontMetrics calculate(form.Button1->font());
    QVERIFY(calculate.horizontalAdvance(form.Button1->text()) + 8 <= form.Button1->width());
    for (QAbstractButton* button : {static_cast<QAbstractButton*>(form.SumaryCheckBox1),
                                    static_cast<QAbstractButton*>(form.ShortCheckBox1),
                                    static_cast<QAbstractButton*>(form.ItemNumBox1),
                                    static_cast<QAbstractButton*>(form.AltMethodCheckBox1),
                                    static_cast<QAbstractButton*>(form.FewestBarsCheckBox1)}) {
        QVERIFY2(button->sizeHint().width() <= button->width(), qPrintable(button->text()));
        QVERIFY(QFontMetrics(button->font()).height() <= button->height());
    }
    QVERIFY(form.AltMethodCheckBox1->geometry().right() < form.FewestBarsCheckBox1->x());
    QVERIFY(form.FewestBarsCheckBox1->geometry().right() < form.width());
    // The longest bound fits between the report and the status line.
    form.Label4->setText(
        QStringLiteral("16777216 bars; no plan can use fewer than 16777215; not proven minimal"));
    form.Label4->adjustSize();
    QVERIFY(form.Label4->y() > form.Memo1->geometry().bottom());
    QVERIFY(form.Label4->geometry().bottom() < form.StatusLine->y());
    QVERIFY(form.Label4->geometry().right() < form.width());
    // The bar count sits between its label and the right edge without overlap.
    QVERIFY(form.Label3->geometry().right() < form.Label2->x());
    QVERIFY(form.Label1->geometry().right() < form.Title1->x());
    QVERIFY(form.Memo1->font().bold());
    QVERIFY(form.Button1->font().bold());
    QCOMPARE(form.Button1->palette().color(QPalette::ButtonText), QColor(0x00, 0x80, 0x00));
    QCOMPARE(form.AltMethodCheckBox1->palette().color(QPalette::WindowText),
             QColor(0xFF, 0x00, 0x00));
    QCOMPARE(form.Memo1->lineWrapMode(), QPlainTextEdit::NoWrap);
    QCOMPARE(form.Memo1->horizontalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QCOMPARE(form.Memo1->verticalScrollBarPolicy(), Qt::ScrollBarAlwaysOn);
    QVERIFY(!form.Memo1->isReadOnly());
    QCOMPARE(form.windowTitle(), QStringLiteral("Velmar[*]"));
    QVERIFY(!form.isWindowModified());
}

void MainWindowLayoutTest::gridsAreLaidOutByTheActivationStep() {
    ScopedForm form;
    form.FormActivate(&form);
    QAbstractItemModel* cuts = form.StringGrid1->model();
    QCOMPARE(cuts->rowCount(), 499);
    QCOMPARE(cuts->columnCount(), 5);
    const QStringList headings = {" Qty", " Length", " Item #", "* Dec Len", "* Sub Total"};
    for (int col = 0; col < 5; ++col) {
        QCOMPARE(cuts->headerData(col, Qt::Horizontal).toString(), headings[col]);
        QCOMPARE(form.StringGrid1->columnWidth(col), kCutListWidths.at(col));
        QCOMPARE(form.CutList().Cells(col, 0), headings[col].toStdString());
    }
    QCOMPARE(form.StringGrid1->rowHeight(0), kGridRowHeight);
    QCOMPARE(form.StringGrid1->horizontalHeader()->height(), kGridRowHeight);
    QVERIFY(!form.StringGrid1->verticalHeader()->isVisible());

    QAbstractItemModel* bar = form.StringGrid2->model();
    QCOMPARE(bar->rowCount(), 5);
    QCOMPARE(bar->columnCount(), 1);
    const QStringList labels = {" Bar Length", " Cut Width", " Scrap Below", " Used Rows",
                                " Last Err"};
    for (int row = 0; row < 5; ++row) {
        QCOMPARE(bar->headerData(row, Qt::Vertical).toString(), labels[row]);
        QCOMPARE(form.StringGrid2->rowHeight(row), kGridRowHeight);
    }
    QCOMPARE(form.StringGrid2->verticalHeader()->width(), kBarSettingsWidths[0]);
    QCOMPARE(form.StringGrid2->columnWidth(0), kBarSettingsWidths[1]);
    QVERIFY(bar->flags(bar->index(0, 0)) & Qt::ItemIsEditable);
    QVERIFY(cuts->flags(cuts->index(498, 4)) & Qt::ItemIsEditable);
}

void MainWindowLayoutTest::designStatesBeforeActivation() {
    ScopedForm form;
    QVERIFY(form.SumaryCheckBox1->isChecked());
    QVERIFY(form.ShortCheckBox1->isChecked());
    QVERIFY(form.ItemNumBox1->isChecked());
    QVERIFY(!form.AltMethodCheckBox1->isChecked());
    QCOMPARE(form.Label2->text(), QStringLiteral("0"));
    QCOMPARE(form.StatusLine->text(), QString());
    // The report text area holds one empty line.
    QCOMPARE(form.Report().Count(), 1);
    QCOMPARE(form.Report().Line(0), std::string());
    QCOMPARE(form.Memo1->toPlainText(), QString());
}

void MainWindowLayoutTest::hoveringAControlShowsItsHintInTheStatusLine_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("hint");
    QTest::newRow("SpeedButton1") << "SpeedButton1"
                                  << "New";
    QTest::newRow("SpeedButton2") << "SpeedButton2"
                                  << "Open";
    QTest::newRow("SpeedButton4") << "SpeedButton4"
                                  << "Save As";
    QTest::newRow("SpeedButton3") << "SpeedButton3"
                                  << "Print";
    QTest::newRow("Title1") << "Title1"
                            << "Enter a project title";
    QTest::newRow("Button1") << "Button1"
                             << "Recalculate ";
    QTest::newRow("ShortCheckBox1") << "ShortCheckBox1"
                                    << "Reduces the report length by combining like lines ";
    QTest::newRow("ItemNumBox1") << "ItemNumBox1"
                                 << "Like Lengths become the same item number.";
    QTest::newRow("FewestBarsCheckBox1")
        << "FewestBarsCheckBox1"
        << "Plans on as few bars as a search in the time allowed finds, and shows how few any "
           "plan could use";
    QTest::newRow("StringGrid1")
        << "StringGrid1"
        << "Enter up to 1000 Qty and  Length    Item number is optional    * = Don't enter       "
           "  Example 25.125 or 2'   1 1/8";
    QTest::newRow("SpeedBar") << "SpeedBar"
                              << "";
    QTest::newRow("Memo1") << "Memo1"
                           << "";
    QTest::newRow("StringGrid2") << "StringGrid2"
                                 << "";
    QTest::newRow("SumaryCheckBox1") << "SumaryCheckBox1"
                                     << "";
    QTest::newRow("AltMethodCheckBox1") << "AltMethodCheckBox1"
                                        << "";
    QTest::newRow("Label3") << "Label3"
                            << "";
}

void MainWindowLayoutTest::hoveringAControlShowsItsHintInTheStatusLine() {
    QFETCH(QString, name);
    QFETCH(QString, hint);
    ScopedForm form;
    form.show();
    // Start from a hinted control, so an empty hint must actively clear it.
    Enter(form.Title1);
    QCOMPARE(form.StatusLine->text(), QStringLiteral("Enter a project title"));
    Leave(form.Title1);
    auto* control = form.findChild<QWidget*>(name);
    QVERIFY(control != nullptr);
    Enter(control);
    QCOMPARE(form.StatusLine->text(), hint);
}

void MainWindowLayoutTest::aCellEditorShowsTheGridsHint() {
    ScopedForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    QWidget* editor = form.StringGrid1->indexWidget(form.StringGrid1->currentIndex());
    QVERIFY(editor != nullptr);
    Enter(form.SpeedButton1);
    Leave(form.SpeedButton1);
    QCOMPARE(form.StatusLine->text(), QString());  // the empty tool bar clears it
    Enter(form.StringGrid1);
    Enter(editor);
    QVERIFY(form.StatusLine->text().startsWith(QStringLiteral("Enter up to 1000 Qty")));
}

void MainWindowLayoutTest::menuEntriesShowTheirHints_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("caption");
    QTest::addColumn<QString>("hint");
    QTest::addColumn<QString>("keys");
    QTest::newRow("New") << "FileNewItem"
                         << "&New"
                         << "Create a new file"
                         << "Ctrl+N";
    QTest::newRow("Open") << "FileOpenItem"
                          << "&Open..."
                          << "Open an existing file"
                          << "Ctrl+O";
    QTest::newRow("Save") << "FileSaveItem"
                          << "&Save"
                          << "Save current file"
                          << "Ctrl+S";
    QTest::newRow("SaveAs") << "FileSaveAsItem"
                            << "Save &As..."
                            << "Save current file under a new name"
                            << "";
    QTest::newRow("Print") << "FilePrintItem"
                           << "&Print"
                           << "Print current file"
                           << "Ctrl+P";
    QTest::newRow("PrintSetup") << "FilePrintSetupItem"
                                << "P&rint Setup..."
                                << "Change printer setup"
                                << "";
    QTest::newRow("Exit") << "FileExitItem"
                          << "E&xit"
                          << "Exit this application"
                          << "";
    QTest::newRow("Calculate") << "EditCalculateItem"
                               << "&Calculate"
                               << "Recalculate "
                               << "F9, Ctrl+Return, Ctrl+Enter";
    QTest::newRow("Redo") << "EditRedoItem"
                          << "&Redo"
                          << "Make the change taken back again"
                          << "Ctrl+Shift+Z, Ctrl+Y";
    QTest::newRow("Contents") << "HelpContentsItem"
                              << "&Contents"
                              << "Display the help contents screen"
                              << "F1";
    QTest::newRow("Search") << "HelpSearchItem"
                            << "&Search for Help On..."
                            << "Search help file for a topic"
                            << "";
    QTest::newRow("HowTo") << "HelpHowToUseItem"
                           << "&How to Use Help"
                           << "Help on using the help system"
                           << "";
}

void MainWindowLayoutTest::menuEntriesShowTheirHints() {
    QFETCH(QString, name);
    QFETCH(QString, caption);
    QFETCH(QString, hint);
    QFETCH(QString, keys);
    ScopedForm form;
    form.show();
    auto* action = form.findChild<QAction*>(name);
    QVERIFY(action != nullptr);
    QCOMPARE(action->text(), caption);
    QStringList shortcuts;
    for (const QKeySequence& key : action->shortcuts()) {
        shortcuts << key.toString();
    }
    QCOMPARE(shortcuts.join(QStringLiteral(", ")), keys);
    action->hover();
    QCOMPARE(form.StatusLine->text(), hint);
    // The control the pointer leaves for the open menu does not take over.
    form.FileMenu->popup(form.mapToGlobal(QPoint(0, 0)));
    action->hover();
    Leave(form.Button1);
    QCOMPARE(form.StatusLine->text(), hint);
    form.FileMenu->hide();
    // Opening a menu with nothing highlighted empties the line.
    emit form.FileMenu->aboutToShow();
    QCOMPARE(form.StatusLine->text(), QString());
}

void MainWindowLayoutTest::noControlShowsAPopUpHint() {
    ScopedForm form;
    form.show();
    for (QWidget* control :
         {static_cast<QWidget*>(form.SpeedButton1), static_cast<QWidget*>(form.Title1),
          static_cast<QWidget*>(form.Button1), static_cast<QWidget*>(form.ItemNumBox1),
          static_cast<QWidget*>(form.StringGrid1->viewport())}) {
        QHelpEvent event(QEvent::ToolTip, QPoint(2, 2), control->mapToGlobal(QPoint(2, 2)));
        // The window swallows the request before the control could show anything.
        QVERIFY(!QApplication::sendEvent(control, &event) || !event.isAccepted() ||
                control->toolTip().isEmpty());
        QVERIFY(control->toolTip().isEmpty());
    }
    QVERIFY(!form.FileMenu->toolTipsVisible());
    QVERIFY(!form.HelpMenu->toolTipsVisible());
}

void MainWindowLayoutTest::tabOrderFollowsTheInputFlow() {
    ScopedForm form;
    const QList<QWidget*> expected = {form.StringGrid1,
                                      form.StringGrid2,
                                      form.Memo1,
                                      form.Button1,
                                      form.Title1,
                                      form.ItemNumBox1,
                                      form.ShortCheckBox1,
                                      form.SumaryCheckBox1,
                                      form.AltMethodCheckBox1,
                                      form.FewestBarsCheckBox1};
    QWidget* w = form.StringGrid1;
    for (qsizetype i = 1; i < expected.size(); ++i) {
        // Skip the children that take no keyboard focus of their own.
        do {
            w = w->nextInFocusChain();
        } while (!expected.contains(w) && w != form.StringGrid1);
        QCOMPARE(w, expected[i]);
    }
    for (QToolButton* button :
         {form.SpeedButton1, form.SpeedButton2, form.SpeedButton3, form.SpeedButton4}) {
        QCOMPARE(button->focusPolicy(), Qt::NoFocus);
    }
    QCOMPARE(form.StatusLine->focusPolicy(), Qt::NoFocus);
    QVERIFY(form.Memo1->tabChangesFocus());
}

void MainWindowLayoutTest::focusStartsInTheFirstCutListCellWithItsEditor() {
    ScopedForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowActive(&form));
    const QModelIndex current = form.StringGrid1->currentIndex();
    QCOMPARE(current.row(), 0);  // data row 1, below the heading row
    QCOMPARE(current.column(), 0);
    auto* editor = qobject_cast<QLineEdit*>(form.StringGrid1->indexWidget(current));
    QVERIFY(editor != nullptr);
    QCOMPARE(QApplication::focusWidget(), editor);

    // Typing goes into the cell at once; Down moves to the next row's editor;
    // Tab leaves for the bar settings grid.
    QTest::keyClicks(editor, QStringLiteral("3"));
    QCOMPARE(form.CutList().Cells(0, 1), std::string("3"));
    QTest::keyClick(editor, Qt::Key_Down);
    QCOMPARE(form.StringGrid1->currentIndex().row(), 1);
    auto* next = qobject_cast<QLineEdit*>(QApplication::focusWidget());
    QVERIFY(next != nullptr);
    QTest::keyClick(next, Qt::Key_Tab);
    QWidget* focus = QApplication::focusWidget();
    QVERIFY(focus == form.StringGrid2 || form.StringGrid2->isAncestorOf(focus));
}

void MainWindowLayoutTest::enlargingGivesTheRoomToTheReportAndTheCutList() {
    ScopedForm form;
    form.show();
    QList<QRect> before;
    const QList<QWidget*> controls = {form.Title1,      form.StringGrid1, form.Memo1,
                                      form.StringGrid2, form.Button1,     form.Label2,
                                      form.ItemNumBox1, form.Label4,      form.SpeedButton1};
    for (QWidget* w : controls) {
        before << w->geometry();
    }
    // What each control gains: (moved across, moved down, wider, taller).
    const QList<QList<int>> gains = {{0, 0, 0, 0},   {0, 0, 0, 100}, {0, 0, 200, 100},
                                     {200, 0, 0, 0}, {200, 0, 0, 0}, {200, 0, 0, 0},
                                     {200, 0, 0, 0}, {0, 100, 0, 0}, {0, 0, 0, 0}};
    form.resize(form.width() + 200, form.height() + 100);
    QTest::qWait(0);
    QCOMPARE(form.SpeedBar->width(), kClientWidth + 200);
    QCOMPARE(form.StatusLine->width(), kClientWidth + 200);
    QCOMPARE(form.StatusLine->y(), kClientHeight + 100 - form.StatusLine->height());
    for (qsizetype i = 0; i < controls.size(); ++i) {
        const QList<int>& gain = gains[i];
        QCOMPARE(controls[i]->geometry(),
                 before[i].translated(gain[0], gain[1]).adjusted(0, 0, gain[2], gain[3]));
    }
    // Back at the design size, everything is where it was.
    form.resize(form.width() - 200, form.height() - 100);
    QTest::qWait(0);
    for (qsizetype i = 0; i < controls.size(); ++i) {
        QCOMPARE(controls[i]->geometry(), before[i]);
    }
}

void MainWindowLayoutTest::helpCommandsOpenTheirPages() {
    ScopedForm form;
    form.HelpContents(form.HelpContentsItem);
    QVERIFY(form.Help()->isVisible());
    QCOMPARE(form.Help()->Browser()->source().toString(),
             QStringLiteral("qrc:/help/contents.html"));
    QVERIFY(form.Help()->Browser()->toPlainText().contains(QStringLiteral("Topics")));
    form.HelpHowToUse(form.HelpHowToUseItem);
    QCOMPARE(form.Help()->Browser()->source().toString(), QStringLiteral("qrc:/help/howto.html"));
    form.Help()->SearchBox()->setText(QStringLiteral("typed"));
    form.HelpSearch(form.HelpSearchItem);
    QVERIFY(form.Help()->SearchBox()->text().isEmpty());  // the search opens with an empty key
    // Every page is there and has a title.
    form.Help()->SearchBox()->setText(QString());
    QCOMPARE(form.Help()->Results()->count(), 10);
}

void MainWindowLayoutTest::helpSearchFindsPagesByKeywordAndText() {
    struct Case {
        const char* text;
        const char* first;  // the best page, or "" when nothing matches
    };
    const Case cases[] = {
        {"feet", ":/help/lengths.html"},
        {"BarIni.ini", ":/help/files.html"},
        {"scrap remaining", ":/help/report.html"},
        {"alternate method", ":/help/options.html"},
        {"zoom", ":/help/diagram.html"},
        {"Recalculate", ""},
        {"xyzzy", ""},
    };
    for (const Case& c : cases) {
        const QStringList pages = HelpWindow::FindPages(QString::fromLatin1(c.text));
        if (*c.first == '\0') {
            QVERIFY2(pages.isEmpty(), c.text);
        } else {
            QVERIFY2(!pages.isEmpty(), c.text);
            QCOMPARE(pages.front(), QString::fromLatin1(c.first));
        }
    }
    // A word found only in a page's text still finds the page, after the keyword matches.
    const QStringList kerf = HelpWindow::FindPages(QStringLiteral("kerf"));
    QCOMPARE(kerf, QStringList{QStringLiteral(":/help/window.html")});
}

QTEST_MAIN(MainWindowLayoutTest)
#include "MainWindowLayoutTest.moc"
