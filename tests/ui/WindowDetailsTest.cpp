// What a user sees and hears of the window beyond its commands: the texts a
// screen reader reads, the window's icon, its smallest size and the help's
// contents after a search.
#include <QAccessible>
#include <QApplication>
#include <QCheckBox>
#include <QEnterEvent>
#include <QIcon>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QtTest>

#include "diagram/Latin1.h"
#include "tests/ui/WindowFixture.h"
#include "ui/GridView.h"
#include "ui/HelpWindow.h"
#include "ui/Main.h"

namespace {

QString Spoken(QWidget* widget, QAccessible::Text kind) {
    QAccessibleInterface* face = QAccessible::queryAccessibleInterface(widget);
    return face != nullptr ? face->text(kind) : QStringLiteral("<no interface>");
}

}  // namespace

class WindowDetailsTest : public QObject {
    Q_OBJECT
  private slots:
    void barCountAndStatusLineReachScreenReaders();
    void theWindowShowsTheProgramsIcon();
    void theStatusLineNeverCoversTheReport();
    void contentsListEveryTopicAfterASearch();
};

void WindowDetailsTest::barCountAndStatusLineReachScreenReaders() {
    ScopedForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    QCOMPARE(Spoken(form.Label2, QAccessible::Name), QStringLiteral("Label2"));
    QCOMPARE(Spoken(form.Label2, QAccessible::Description), QStringLiteral("0"));
    form.BarSettings().SetCells(1, 0, "100");
    form.CutList().SetCells(0, 1, "3");
    form.CutList().SetCells(1, 1, "40");
    form.RefreshWidgets();
    form.Button1Click(form.Button1);
    QCOMPARE(Spoken(form.Label2, QAccessible::Description), QStringLiteral("2"));

    QEnterEvent enter(QPointF(1, 1), QPointF(1, 1), form.Title1->mapToGlobal(QPointF(1, 1)));
    QApplication::sendEvent(form.Title1, &enter);
    QCOMPARE(form.StatusLine->text(), QStringLiteral("Enter a project title"));
    QCOMPARE(Spoken(form.StatusLine, QAccessible::Name), QStringLiteral("StatusLine"));
    QCOMPARE(Spoken(form.StatusLine, QAccessible::Description),
             QStringLiteral("Enter a project title"));
}

void WindowDetailsTest::theWindowShowsTheProgramsIcon() {
    ScopedForm form;
    const QIcon installed(QStringLiteral(VELMAR_ICON_FILE));
    QVERIFY(!installed.isNull());
    const QImage expected = installed.pixmap(48, 48).toImage();
    QVERIFY(!expected.isNull());
    QCOMPARE(form.windowIcon().pixmap(48, 48).toImage(), expected);
}

void WindowDetailsTest::theStatusLineNeverCoversTheReport() {
    ScopedForm form;
    form.show();
    QVERIFY(QTest::qWaitForWindowExposed(&form));
    for (const QSize size : {QSize(200, 120), QSize(800, 200), QSize(300, 900)}) {
        form.resize(size);
        QApplication::processEvents();
        const int statusTop = form.StatusLine->geometry().top();
        for (QWidget* above :
             {static_cast<QWidget*>(form.Memo1), static_cast<QWidget*>(form.StringGrid1),
              static_cast<QWidget*>(form.AltMethodCheckBox1)}) {
            QVERIFY2(statusTop > above->geometry().bottom(), qPrintable(above->objectName()));
        }
        QVERIFY(form.StatusLine->parentWidget()->rect().contains(form.StatusLine->geometry()));
        QVERIFY(form.width() >= form.StringGrid2->geometry().right());
    }
}

void WindowDetailsTest::contentsListEveryTopicAfterASearch() {
    ScopedForm form;
    const qsizetype everyTopic = HelpWindow::FindPages(QString()).size();
    form.HelpSearch(form.HelpSearchItem);
    form.Help()->SearchBox()->setText(QStringLiteral("feet"));
    QVERIFY(form.Help()->Results()->count() < everyTopic);
    form.HelpContents(form.HelpContentsItem);
    QCOMPARE(form.Help()->Results()->count(), everyTopic);
    QVERIFY(form.Help()->SearchBox()->text().isEmpty());
}

QTEST_MAIN(WindowDetailsTest)
#include "WindowDetailsTest.moc"
