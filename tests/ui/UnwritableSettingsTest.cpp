// A settings file that cannot be written, met the way a user meets it: a key
// released in the bar settings grid, the real error box, dismissed from the
// keyboard, and the window going on afterwards.
#include <QApplication>
#include <QLineEdit>
#include <QMessageBox>
#include <QPointer>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>
#include <utility>

#include "diagram/Latin1.h"
#include "ui/GridView.h"
#include "ui/Main.h"

class UnwritableSettingsTest : public QObject {
    Q_OBJECT
  private slots:
    void aKeyReleasedInTheBarSettingsShowsTheBoxAndTheWindowGoesOn();
};

namespace {

// Answers every error box with the given key as a user does: the press goes
// to the box; the release goes to the box while it is open, or to the window
// that took the focus back when the press closed it.
class BoxAnswerer : public QObject {
  public:
    BoxAnswerer(QWidget& window, Qt::Key key, QStringList& seen)
        : window_(window), key_(key), seen_(seen) {
        Answer();
    }

    // True when no box waits and no key is on its way.
    bool Idle() const {
        return pendingRelease_ == Qt::Key_unknown && QApplication::activeModalWidget() == nullptr &&
               window_.isActiveWindow();
    }

  private:
    void Answer() {
        // A new timer each time: the keys sent below may open the next box,
        // whose event loop runs before this call returns.
        QTimer::singleShot(10, this, [this] { Answer(); });
        if (pendingRelease_ != Qt::Key_unknown) {
            if (window_.isActiveWindow()) {
                const Qt::Key key = std::exchange(pendingRelease_, Qt::Key_unknown);
                QTest::keyRelease(window_.windowHandle(), key);
            }
            return;
        }
        auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget());
        if (box == nullptr || box == answered_ || !box->isActiveWindow()) {
            return;
        }
        answered_ = box;
        seen_.append(box->text());
        // Past a few boxes Space answers, which closes on its release: a box
        // that keeps coming back fails the test instead of running forever.
        const Qt::Key key = seen_.size() < 5 ? key_ : Qt::Key_Space;
        QTest::keyPress(box->windowHandle(), key);
        if (box->isVisible()) {
            QTest::keyRelease(box->windowHandle(), key);
        } else {
            pendingRelease_ = key;
        }
        // Without a window manager nobody hands the focus back to the window.
        window_.activateWindow();
    }

    QWidget& window_;
    Qt::Key key_;
    QStringList& seen_;
    QPointer<QMessageBox> answered_;
    Qt::Key pendingRelease_ = Qt::Key_unknown;
};

}  // namespace

void UnwritableSettingsTest::aKeyReleasedInTheBarSettingsShowsTheBoxAndTheWindowGoesOn() {
    const QList<Qt::Key> answers = {Qt::Key_Return, Qt::Key_Escape, Qt::Key_Space};
    for (const Qt::Key answer : answers) {
        QTemporaryDir dir;
        const QString path = dir.filePath(QStringLiteral("missing/BarIni.ini"));
        TMainForm form;
        form.SetSettingsPath(ToLatin1(path));
        form.show();
        QVERIFY(QTest::qWaitForWindowActive(&form));
        form.StringGrid2->setFocus();
        form.StringGrid2->setCurrentIndex(form.StringGrid2->model()->index(0, 0));

        QStringList seen;
        BoxAnswerer answerer(form, answer, seen);
        for (const Qt::Key key : {Qt::Key_2, Qt::Key_4}) {
            const qsizetype before = seen.size();
            QTest::keyClick(form.windowHandle(), key);
            QTRY_COMPARE(seen.size(), before + 1);
            QTRY_VERIFY(answerer.Idle());
            // The key that closed the box opens no other one.
            QCoreApplication::processEvents();
            QCOMPARE(seen.size(), before + 1);
        }
        QCOMPARE(seen, QStringList(2, QStringLiteral("Unable to write to %1.").arg(path)));
        // The window goes on, the cell editor open as it was.
        QCOMPARE(QApplication::focusWidget(),
                 form.StringGrid2->indexWidget(form.StringGrid2->currentIndex()));
        QCOMPARE(ToQString(form.BarSettings().Cells(1, 0)), QStringLiteral("24"));
    }
}

QTEST_MAIN(UnwritableSettingsTest)
#include "UnwritableSettingsTest.moc"
