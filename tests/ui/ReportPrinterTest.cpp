// The printed report's pages, written through a stand-in printer that pages
// with the same rule as the real one, so the page breaks are exact.
#include <QTest>
#include <stdexcept>
#include <string>
#include <vector>

#include "core/report/PrinterTextFlow.h"
#include "core/report/ReportPrinter.h"
#include "model/Exceptions.h"
#include "tests/common/WorkedExample.h"

namespace {

using Lines = std::vector<std::string>;
using Pages = std::vector<Lines>;

// A printer whose lines are one unit high and whose characters are one unit
// wide; it keeps what it was given page by page.
class RecordingPrinterText : public IPrinterText {
  public:
    RecordingPrinterText(int linesPerPage, int charactersPerLine = 1000)
        // One unit of advance: the page takes linesPerPage lines when its
        // height is one more than that.
        : linesPerPage_(linesPerPage), width_(charactersPerLine), flow_(1, linesPerPage + 1) {}

    void BeginDoc() override {
        if (failBegin) {
            throw Exception("There is no default printer currently selected");
        }
        ++begun;
        flow_ = PrinterTextFlow(1, linesPerPage_ + 1);
    }
    void SetFont(const PrinterFont& f) override { font = f; }
    void WriteLine(const std::string& text) override {
        if (writesBeforeFault-- == 0) {
            throw Exception("Printer out of paper");
        }
        auto measure = [](std::string_view piece) { return static_cast<int>(piece.size()); };
        for (const std::string& piece : SplitToWidth(text, width_, measure)) {
            if (pages.size() < static_cast<std::size_t>(flow_.PageNumber())) {
                pages.resize(flow_.PageNumber());
            }
            pages[flow_.PageNumber() - 1].push_back(piece);
            flow_.LineWritten();
        }
    }
    int PageNumber() const override { return flow_.PageNumber(); }
    void EndDoc() override {
        ++ended;
        if (failEnd) {
            throw Exception("Printer fault at the end");
        }
    }

    Pages pages;
    PrinterFont font;
    int begun = 0;
    int ended = 0;
    long writesBeforeFault = -1;
    bool failBegin = false;
    bool failEnd = false;

  private:
    int linesPerPage_;
    int width_;
    PrinterTextFlow flow_;
};

// Each heading gets its own reading of the clock.
class CountingClock {
  public:
    HeadingStamp operator()() {
        ++readings;
        return {"D" + std::to_string(readings), "T" + std::to_string(readings)};
    }
    int readings = 0;
};

const std::string kTitle = " Untitled";

Lines Heading(int pageNumber, int reading, const std::string& title = kTitle) {
    std::string n = std::to_string(reading);
    return {" ",
            std::string(41, ' ') + title,
            "           Page : " + std::to_string(pageNumber),
            " ",
            "           Date : D" + n + "    Time : T" + n,
            " "};
}

std::string Indented(const std::string& line) {
    return std::string(11, ' ') + line;
}

void Append(Lines& to, const Lines& more) {
    to.insert(to.end(), more.begin(), more.end());
}

Lines IndentedRange(const Lines& lines, std::size_t from, std::size_t to) {
    Lines result;
    for (std::size_t i = from; i < to; ++i) {
        result.push_back(Indented(lines[i]));
    }
    return result;
}

const std::string kEndLine = "           End Of Report ";

// The cutting report of 3 x 96, 2 x 48, 4 x 30 on 240 bars.
constexpr std::size_t kSummaryIndex = 21;

Lines NumberedLines(int count) {
    Lines lines;
    for (int i = 0; i < count; ++i) {
        lines.push_back("Line " + std::to_string(i));
    }
    return lines;
}

Pages Print(RecordingPrinterText& printer, const Lines& lines, bool noSummary,
            const std::string& title = kTitle) {
    CountingClock clock;
    PrintReport(printer, lines, title, noSummary, std::ref(clock));
    return printer.pages;
}

std::string Show(const Pages& pages) {
    std::string text;
    for (std::size_t p = 0; p < pages.size(); ++p) {
        text += "--- page " + std::to_string(p + 1) + "\n";
        for (const std::string& line : pages[p]) {
            text += "[" + line + "]\n";
        }
    }
    return text;
}

void ComparePages(const Pages& actual, const Pages& expected) {
    QVERIFY2(actual == expected,
             ("got:\n" + Show(actual) + "expected:\n" + Show(expected)).c_str());
}

Lines Blanks(std::size_t count) {
    return Lines(count, " ");
}

}  // namespace

class ReportPrinterTest : public QObject {
    Q_OBJECT

  private slots:
    void workedExampleWithoutSummary() {
        RecordingPrinterText printer(80);
        Lines page = Heading(1, 1);
        Append(page, IndentedRange(kWorkedExampleLines, 0, kSummaryIndex));
        page.push_back(kEndLine);
        ComparePages(Print(printer, kWorkedExampleLines, true), {page});
        QCOMPARE(printer.begun, 1);
        QCOMPARE(printer.ended, 1);
    }

    void workedExampleWithSummaryOnItsOwnPage() {
        RecordingPrinterText printer(80);
        Lines first = Heading(1, 1);
        Append(first, IndentedRange(kWorkedExampleLines, 0, kSummaryIndex));
        Append(first, Blanks(80 - first.size()));
        // "Summary" stands above the second heading; 22 div 50 + 2 = 2.
        Lines second = {Indented("Summary")};
        Append(second, Heading(2, 2));
        Append(second,
               IndentedRange(kWorkedExampleLines, kSummaryIndex + 1, kWorkedExampleLines.size()));
        ComparePages(Print(printer, kWorkedExampleLines, false), {first, second});
    }

    void reportFontIsTheReportAreasBoldTenPoint() {
        RecordingPrinterText printer(80);
        Print(printer, kWorkedExampleLines, true);
        QCOMPARE(printer.font.Family, std::string("MS Sans Serif"));
        QCOMPARE(printer.font.PointSize, 10);
        QVERIFY(printer.font.Bold);
    }

    // Where each page of a 200-line report opens and the number it carries.
    void pageNumbersFollowTheOpeningLine_data() {
        QTest::addColumn<int>("reportLinesPerPage");
        QTest::addColumn<QList<int>>("openingIndexes");
        QTest::addColumn<QList<int>>("pageNumbers");
        QTest::newRow("54 per page") << 54 << QList<int>{0, 54, 108, 162} << QList<int>{1, 2, 3, 4};
        QTest::newRow("114 per page") << 114 << QList<int>{0, 114} << QList<int>{1, 3};
        QTest::newRow("44 per page")
            << 44 << QList<int>{0, 44, 88, 132, 176} << QList<int>{1, 1, 2, 3, 4};
    }
    void pageNumbersFollowTheOpeningLine() {
        QFETCH(int, reportLinesPerPage);
        QFETCH(QList<int>, openingIndexes);
        QFETCH(QList<int>, pageNumbers);
        const Lines report = NumberedLines(200);
        for (bool noSummary : {false, true}) {
            RecordingPrinterText printer(reportLinesPerPage + 6);
            Pages expected;
            for (qsizetype p = 0; p < openingIndexes.size(); ++p) {
                Lines page = Heading(pageNumbers[p], static_cast<int>(p) + 1);
                std::size_t end = p + 1 < openingIndexes.size() ? openingIndexes[p + 1] : 200;
                Append(page, IndentedRange(report, openingIndexes[p], end));
                expected.push_back(page);
            }
            ComparePages(Print(printer, report, noSummary), expected);
        }
    }

    // The end line fills the page: the next page carries only its heading.
    void endLineLastOnAPage() {
        RecordingPrinterText printer(6 + static_cast<int>(kSummaryIndex) + 1);
        Lines first = Heading(1, 1);
        Append(first, IndentedRange(kWorkedExampleLines, 0, kSummaryIndex));
        first.push_back(kEndLine);
        ComparePages(Print(printer, kWorkedExampleLines, true), {first, Heading(2, 2)});
    }

    // A page opened by the report line before "Summary" gets its heading
    // first, and the blank feed then runs to the end of that page.
    void summaryAfterAFullPage() {
        const Lines report = {"A", "B", "Summary", "C"};
        RecordingPrinterText printer(8);
        Lines first = Heading(1, 1);
        Append(first, {Indented("A"), Indented("B")});
        Lines second = Heading(1, 2);
        Append(second, Blanks(2));
        Lines third = {Indented("Summary")};
        Append(third, Heading(2, 3));
        third.push_back(Indented("C"));
        ComparePages(Print(printer, report, false), {first, second, third});
    }

    // A heading taller than the page runs over, and the page it ends on counts
    // as the heading's page.
    void pageSmallerThanTheHeading() {
        RecordingPrinterText printer(4);
        Lines heading = Heading(1, 1);
        Lines first(heading.begin(), heading.begin() + 4);
        Lines second(heading.begin() + 4, heading.end());
        Append(second, {Indented("A"), Indented("B")});
        ComparePages(Print(printer, {"A", "B"}, false), {first, second});
    }

    void cutLineHoldingSummary() {
        const Lines report = {"Bar 1", "Item # {Summary}   96", "        Scrap 1.000", "Summary",
                              "Total Items 1"};
        {
            RecordingPrinterText printer(20);
            Lines page = Heading(1, 1);
            // Every line holding the word writes the end line again.
            Append(page, {Indented("Bar 1"), kEndLine, kEndLine});
            ComparePages(Print(printer, report, true), {page});
        }
        {
            // Every line holding the word feeds to a new page again.
            RecordingPrinterText printer(20);
            Lines first = Heading(1, 1);
            first.push_back(Indented("Bar 1"));
            Append(first, Blanks(20 - first.size()));
            Lines second = {Indented(report[1])};
            Append(second, Heading(2, 2));
            second.push_back(Indented(report[2]));
            Append(second, Blanks(20 - second.size()));
            Lines third = {Indented("Summary")};
            Append(third, Heading(2, 3));
            third.push_back(Indented("Total Items 1"));
            ComparePages(Print(printer, report, false), {first, second, third});
        }
    }

    void summaryWordIsCaseSensitive() {
        const Lines report = {"SUMMARY", "summary", "x"};
        RecordingPrinterText printer(20);
        Lines page = Heading(1, 1);
        Append(page, IndentedRange(report, 0, 3));
        ComparePages(Print(printer, report, true), {page});
    }

    void titleIsNotAReportLine() {
        const Lines report = {"one", "two"};
        RecordingPrinterText printer(20);
        Lines page = Heading(1, 1, "Summary of the week");
        Append(page, IndentedRange(report, 0, 2));
        ComparePages(Print(printer, report, true, "Summary of the week"), {page});
    }

    void editedReportWithoutSummaryIsPrintedWhole() {
        Lines report(kWorkedExampleLines.begin(), kWorkedExampleLines.begin() + kSummaryIndex);
        report.push_back("typed by the user");
        for (bool noSummary : {true, false}) {
            RecordingPrinterText printer(80);
            Lines page = Heading(1, 1);
            Append(page, IndentedRange(report, 0, report.size()));
            ComparePages(Print(printer, report, noSummary), {page});
        }
    }

    void startUpReportOfOneEmptyLine() {
        for (bool noSummary : {true, false}) {
            RecordingPrinterText printer(80);
            Lines page = Heading(1, 1);
            page.push_back(std::string(11, ' '));
            ComparePages(Print(printer, {""}, noSummary), {page});
        }
    }

    void emptyReportBeginsAndEndsTheJobOnly() {
        RecordingPrinterText printer(80);
        CountingClock clock;
        PrintReport(printer, {}, kTitle, false, std::ref(clock));
        QCOMPARE(printer.begun, 1);
        QCOMPARE(printer.ended, 1);
        QVERIFY(printer.pages.empty());
        QCOMPARE(clock.readings, 0);
    }

    // A line wider than the page goes on from the left edge, and a page may
    // break inside it.
    void wideLineContinuesAtTheLeftEdge() {
        const std::string wide(100, 'X');
        RecordingPrinterText printer(8, 45);
        PrintReport(printer, {wide}, "T", false, CountingClock());
        Lines first = Heading(1, 1, "T");
        Append(first, {Indented(std::string(34, 'X')), std::string(45, 'X')});
        ComparePages(printer.pages, {first, {std::string(21, 'X')}});
    }

    // A fault ends the job with what was written and is passed on unchanged,
    // even when ending the job fails as well.
    void faultEndsTheJob_data() {
        QTest::addColumn<int>("writesBeforeFault");
        QTest::addColumn<bool>("failEnd");
        QTest::newRow("in the first heading") << 0 << false;
        QTest::newRow("in a report line") << 10 << false;
        QTest::newRow("in the blank feed") << 40 << false;
        QTest::newRow("and at the end") << 10 << true;
    }
    void faultEndsTheJob() {
        QFETCH(int, writesBeforeFault);
        QFETCH(bool, failEnd);
        RecordingPrinterText printer(80);
        printer.writesBeforeFault = writesBeforeFault;
        printer.failEnd = failEnd;
        try {
            Print(printer, kWorkedExampleLines, false);
            QFAIL("the fault was swallowed");
        } catch (const Exception& e) {
            QCOMPARE(std::string(e.what()), std::string("Printer out of paper"));
        }
        QCOMPARE(printer.ended, 1);
        QCOMPARE(printer.pages.empty() ? 0 : static_cast<int>(printer.pages[0].size()),
                 writesBeforeFault);
    }

    void jobThatCannotBeginIsNotEnded() {
        RecordingPrinterText printer(80);
        printer.failBegin = true;
        QVERIFY_THROWS_EXCEPTION(Exception, Print(printer, kWorkedExampleLines, true));
        QCOMPARE(printer.ended, 0);
    }

    // Lines per page for a line advance and page height: a page takes a line
    // as long as the next one's top stays within the height less two advances.
    void pageBreakRule_data() {
        QTest::addColumn<int>("advance");
        QTest::addColumn<int>("pageHeight");
        QTest::addColumn<int>("linesPerPage");
        QTest::newRow("exact") << 10 << 100 << 9;
        QTest::newRow("one pixel more") << 10 << 101 << 9;
        QTest::newRow("one pixel less") << 10 << 99 << 8;
        QTest::newRow("uneven") << 12 << 100 << 7;
        QTest::newRow("page smaller than a line") << 10 << 5 << 1;
    }
    void pageBreakRule() {
        QFETCH(int, advance);
        QFETCH(int, pageHeight);
        QFETCH(int, linesPerPage);
        PrinterTextFlow flow(advance, pageHeight);
        for (int page = 1; page <= 3; ++page) {
            for (int line = 0; line < linesPerPage; ++line) {
                QCOMPARE(flow.PageNumber(), page);
                QCOMPARE(flow.Top(), line * advance);
                QCOMPARE(flow.LineWritten(), line == linesPerPage - 1);
            }
        }
    }

    void splitToWidth() {
        // 'W' is three units wide, every other character one.
        auto measure = [](std::string_view text) {
            int width = 0;
            for (char c : text) {
                width += c == 'W' ? 3 : 1;
            }
            return width;
        };
        struct Case {
            std::string text;
            int width;
            Lines pieces;
        };
        const std::vector<Case> cases = {
            {"", 5, {""}},
            {"abc", 5, {"abc"}},
            {"abcde", 5, {"abcde"}},
            {"abcdefgh", 3, {"abc", "def", "gh"}},
            {"abc", 0, {"a", "b", "c"}},
            {"aWbWWc", 4, {"aW", "bW", "Wc"}},
            {"WWW", 2, {"W", "W", "W"}},
            {std::string(1000, 'a'),
             300,
             {std::string(300, 'a'), std::string(300, 'a'), std::string(300, 'a'),
              std::string(100, 'a')}},
        };
        for (const Case& c : cases) {
            QCOMPARE(SplitToWidth(c.text, c.width, measure), c.pieces);
        }
    }
};

QTEST_MAIN(ReportPrinterTest)
#include "ReportPrinterTest.moc"
