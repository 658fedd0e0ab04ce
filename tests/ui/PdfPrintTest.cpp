// The report printed through the real printer output into a PDF file, read
// back as text.
#include <QApplication>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFile>
#include <QLineEdit>
#include <QMessageBox>
#include <QPrinter>
#include <QPrinterInfo>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <string>
#include <vector>

#include "model/Exceptions.h"
#include "model/ReportLines.h"
#include "tests/common/PdfPageText.h"
#include "tests/common/WorkedExample.h"
#include "ui/ReportPrinting.h"

namespace {

using Lines = std::vector<std::string>;

constexpr int kSummaryIndex = 21;

// Text extraction spaces words by their position, so lines are compared with
// their runs of blanks taken as one and blank lines left out.
QString Simplified(const std::string& line) {
    return QString::fromLatin1(line.c_str()).simplified();
}

// The non-blank lines of every page, simplified.
using PageTexts = QList<QStringList>;

QStringList HeadingOf(const QString& title, int pageNumber) {
    return {title, "Page : " + QString::number(pageNumber), "Date : 02/01/2024 Time : 13:05:09"};
}

QStringList ReportRange(const Lines& lines, int from, int to) {
    QStringList result;
    for (int i = from; i < to; ++i) {
        QString line = Simplified(lines[i]);
        if (!line.isEmpty()) {
            result << line;
        }
    }
    return result;
}

}  // namespace

class PdfPrintTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir dir_;
    int files_ = 0;

    // Prints into a new PDF file and returns its pages as text.
    PageTexts PrintToPdf(ReportPrinting& printing, const Lines& lines, const std::string& title,
                         bool noSummary) {
        QString file = dir_.filePath(QString("report%1.pdf").arg(++files_));
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(file);
        printing.Print(lines, title, noSummary);
        QProcess extract;
        extract.start("pdftotext", {"-layout", file, "-"});
        if (!extract.waitForFinished(30000) || extract.exitCode() != 0) {
            return {};
        }
        return PagesOfPdfText(QString::fromUtf8(extract.readAllStandardOutput()));
    }

    static ReportPrinting* FixedClockPrinting(ReportPrinting& printing) {
        printing.SetClock([] { return HeadingStamp{"02/01/2024", "13:05:09"}; });
        return &printing;
    }

  private slots:
    void initTestCase() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QSKIP("pdftotext is not installed");
        }
        QVERIFY(dir_.isValid());
    }

    void workedExampleWithSummary() {
        ReportPrinting printing;
        FixedClockPrinting(printing);
        PageTexts pages = PrintToPdf(printing, kWorkedExampleLines, " Job 17", false);
        QCOMPARE(pages.size(), 2);
        QStringList first =
            HeadingOf("Job 17", 1) + ReportRange(kWorkedExampleLines, 0, kSummaryIndex);
        QCOMPARE(pages[0], first);
        QStringList second = QStringList{"Summary"} + HeadingOf("Job 17", 2) +
                             ReportRange(kWorkedExampleLines, kSummaryIndex + 1, 46);
        QCOMPARE(pages[1], second);
    }

    void workedExampleWithoutSummary() {
        ReportPrinting printing;
        FixedClockPrinting(printing);
        ReportLines report;
        report.Assign(kWorkedExampleLines);
        QString file = dir_.filePath("from-report-lines.pdf");
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(file);
        printing.Print(report, " Job 17", true);
        QProcess extract;
        extract.start("pdftotext", {"-layout", file, "-"});
        QVERIFY(extract.waitForFinished(30000));
        PageTexts pages = PagesOfPdfText(QString::fromUtf8(extract.readAllStandardOutput()));
        QCOMPARE(pages.size(), 1);
        QCOMPARE(pages[0], HeadingOf("Job 17", 1) +
                               ReportRange(kWorkedExampleLines, 0, kSummaryIndex) +
                               QStringList{"End Of Report"});
    }

    // Whatever the font's height, each page's number follows the index of the
    // report line that opens it, and every line is printed once, in order.
    void longReportPagesByItself() {
        Lines report;
        for (int i = 0; i < 200; ++i) {
            report.push_back("Line " + std::to_string(i));
        }
        ReportPrinting printing;
        FixedClockPrinting(printing);
        PageTexts pages = PrintToPdf(printing, report, "Long", false);
        QVERIFY(pages.size() >= 3);
        QStringList printed;
        for (const QStringList& page : pages) {
            QCOMPARE(page.mid(0, 1), QStringList{"Long"});
            QVERIFY(page.size() > 3);
            int opening = page[3].mid(5).toInt();
            QCOMPARE(page[1], "Page : " + QString::number(opening / 50 + 1));
            printed += page.mid(3);
        }
        QCOMPARE(printed, ReportRange(report, 0, 200));
    }

    // A report whose last line fills its last page ends there: the printer's
    // next sheet begins only when a line goes on it.
    void aFullLastPageEndsTheJob() {
        Lines probe;
        for (int i = 0; i < 200; ++i) {
            probe.push_back("Line " + std::to_string(i));
        }
        ReportPrinting printing;
        FixedClockPrinting(printing);
        const PageTexts probed = PrintToPdf(printing, probe, "Full", false);
        QVERIFY(probed.size() >= 2);
        // The report lines the first page takes below its heading.
        const int fitting = probed[1][3].mid(5).toInt();
        QVERIFY(fitting > 0);
        const struct {
            int lines;
            qsizetype pages;
        } cases[] = {{fitting - 1, 1}, {fitting, 1}, {fitting + 1, 2}};
        for (const auto& c : cases) {
            const Lines report(probe.begin(), probe.begin() + c.lines);
            const PageTexts pages = PrintToPdf(printing, report, "Full", false);
            QCOMPARE(pages.size(), c.pages);
            QCOMPARE(
                pages.back().mid(3).join(u'|'),
                ReportRange(report, c.lines - (c.pages == 1 ? c.lines : 1), c.lines).join(u'|'));
        }
    }

    void wideLineGoesOnBelow() {
        const std::string wide = "Start" + std::string(400, 'X');
        ReportPrinting printing;
        FixedClockPrinting(printing);
        PageTexts pages = PrintToPdf(printing, {wide}, "Wide", false);
        QCOMPARE(pages.size(), 1);
        QStringList body = pages[0].mid(3);
        QVERIFY(body.size() >= 2);
        QVERIFY(body[0].startsWith("StartX"));
        QCOMPARE(body.join("").size(), qsizetype(wide.size()));
    }

    void emptyReportGivesOneEmptyPage() {
        ReportPrinting printing;
        PageTexts pages = PrintToPdf(printing, {}, "Empty", false);
        QCOMPARE(pages.size(), 1);
        QVERIFY(pages[0].isEmpty());
    }

    // A file that cannot be created fails the print; the printer stays usable.
    void unwritableFileFails() {
        ReportPrinting printing;
        FixedClockPrinting(printing);
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(dir_.filePath("missing/folder/report.pdf"));
        QTest::ignoreMessage(QtWarningMsg, "QPainter::begin(): Returned false");
        QVERIFY_THROWS_EXCEPTION(Exception, printing.Print(kWorkedExampleLines, "T", false));
        PageTexts pages = PrintToPdf(printing, {"After"}, "T", false);
        QCOMPARE(pages, PageTexts{HeadingOf("T", 1) + QStringList{"After"}});
    }

    // What the setup dialog leaves behind holds for the next prints; a
    // cancelled dialog changes nothing.
    void setupChoiceHoldsForLaterPrints_data() {
        QTest::addColumn<bool>("accept");
        QTest::newRow("accepted") << true;
        QTest::newRow("cancelled") << false;
    }
    void setupChoiceHoldsForLaterPrints() {
        QFETCH(bool, accept);
        ReportPrinting printing;
        FixedClockPrinting(printing);
        QString file = dir_.filePath(accept ? "setup-accepted.pdf" : "setup-cancelled.pdf");
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(file);
        bool shown = false;
        QTimer::singleShot(0, [&] {
            QDialog* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            shown = dialog != nullptr;
            if (dialog && accept) {
                dialog->accept();
            } else if (dialog) {
                dialog->reject();
            }
        });
        printing.Setup(nullptr);
        QVERIFY(shown);
        QCOMPARE(printing.Printer().outputFileName(), file);
        for (int run = 0; run < 2; ++run) {
            QFile::remove(file);
            printing.Print(Lines{"Run"}, "Setup", false);
            QVERIFY(QFile::exists(file));
        }
    }

    // The setup's confirm button chooses, it does not print; choosing a file
    // that exists asks first, and No keeps the dialog open and the printer as
    // it was.
    void setupConfirmsTheChoiceAndAsksBeforeReplacing() {
        ReportPrinting printing;
        const QString before = dir_.filePath("before.pdf");
        const QString existing = dir_.filePath("existing.pdf");
        QFile file(existing);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.close();
        printing.Printer().setOutputFormat(QPrinter::PdfFormat);
        printing.Printer().setOutputFileName(before);
        QString confirmText;
        QString question;
        bool stayedOpen = false;
        QTimer::singleShot(0, [&] {
            auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
            if (dialog == nullptr) {
                return;
            }
            QPushButton* confirm =
                dialog->findChild<QDialogButtonBox*>()->button(QDialogButtonBox::Ok);
            confirmText = confirm->text();
            dialog->findChild<QLineEdit*>("filename")->setText(existing);
            QTimer::singleShot(0, [&] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    question = box->text();
                    box->button(QMessageBox::No)->click();
                }
            });
            confirm->click();
            stayedOpen = dialog->isVisible();
            dialog->reject();
        });
        printing.Setup(nullptr);
        QCOMPARE(confirmText, QStringLiteral("&OK"));
        QVERIFY(question.contains(existing));
        QVERIFY(stayedOpen);
        QCOMPARE(printing.Printer().outputFileName(), before);
        QCOMPARE(printing.OutputFile(), before);
    }

    void noPrinterAndNoChoiceFails() {
        if (!QPrinterInfo::availablePrinterNames().isEmpty()) {
            QSKIP("a printer is installed; printing to it is not a test");
        }
        ReportPrinting printing;
        try {
            printing.Print(kWorkedExampleLines, "T", false);
            QFAIL("printed without a printer");
        } catch (const Exception& e) {
            QCOMPARE(std::string(e.what()),
                     std::string("There is no default printer currently selected"));
        }
    }
};

QTEST_MAIN(PdfPrintTest)
#include "PdfPrintTest.moc"
