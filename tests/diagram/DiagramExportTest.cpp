// The cutting diagram written as SVG and PDF, read back.
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>
#include <QXmlStreamReader>
#include <map>
#include <string>
#include <vector>

#include "diagram/DiagramExport.h"
#include "diagram/DiagramPainter.h"
#include "model/Exceptions.h"
#include "tests/common/HandMadeDiagram.h"
#include "tests/common/PdfPageText.h"

namespace {

const HeadingClock kClock = [] { return HeadingStamp{"02/01/2024", "13:05:09"}; };

// The rectangles of the SVG by their fill colour, and all its texts.
struct SvgContents {
    std::map<QString, int> RectsByFill;
    QStringList Texts;
};

SvgContents ReadSvg(const QByteArray& svg) {
    SvgContents contents;
    QXmlStreamReader xml(svg);
    std::vector<QString> fills{"none"};
    while (!xml.atEnd()) {
        xml.readNext();
        if (xml.isStartElement()) {
            const QString fill = xml.attributes().value("fill").toString();
            fills.push_back(fill.isEmpty() ? fills.back() : fill);
            if (xml.name() == u"rect") {
                ++contents.RectsByFill[fills.back()];
            } else if (xml.name() == u"text") {
                contents.Texts << xml.readElementText().simplified();
                fills.pop_back();
            }
        } else if (xml.isEndElement()) {
            fills.pop_back();
        }
    }
    return contents;
}

}  // namespace

class DiagramExportTest : public QObject {
    Q_OBJECT

    QTemporaryDir dir_;

    // The text of every page of a PDF file, its lines simplified.
    QList<QStringList> PdfPages(const QString& file) {
        QProcess extract;
        extract.start("pdftotext", {"-layout", file, "-"});
        if (!extract.waitForFinished(60000) || extract.exitCode() != 0) {
            return {};
        }
        return PagesOfPdfText(QString::fromUtf8(extract.readAllStandardOutput()));
    }

  private slots:
    void initTestCase() { QVERIFY(dir_.isValid()); }

    void svgHoldsOneBoxPerPieceAndLeftoverWithTheirTexts() {
        SvgContents svg = ReadSvg(DiagramSvg(WorkedExampleDiagram(), kClock));
        QCOMPARE(svg.RectsByFill[DiagramColours::kPiece], 9);
        QCOMPARE(svg.RectsByFill[DiagramColours::kScrap], 2);
        QCOMPARE(svg.RectsByFill[DiagramColours::kRemaining], 1);
        for (const QString text :
             {"Shelf brackets", "Page : 1", "Date : 02/01/2024 Time : 13:05:09",
              "Bar Length 240.000 Cut Width 0.125 Scrap Below 20.000 Bars 3", "Bar 1", "Bar 2",
              "Bar 3", "#1", "#2", "#3", "96", "48", "30", "scrap", "17.625", "17.500", "remaining",
              "179.750"}) {
            QVERIFY2(svg.Texts.contains(text), qPrintable(text));
        }
    }

    void likeNeighboursAreDrawnOnceWithTheirCount() {
        const std::vector<PieceRun> bar = {{1, 2}, {3, 1}};
        SvgContents svg = ReadSvg(DiagramSvg(
            HandMadeDiagram({{bar, 17.625f}, {bar, 17.625f}, {bar, 17.625f}, {{{3, 2}}, 179.75f}}),
            kClock));
        QCOMPARE(svg.RectsByFill[DiagramColours::kPiece], 5);
        QVERIFY(svg.Texts.contains("Bars 1-3, 3 x"));
        QVERIFY(svg.Texts.contains("Bar 4"));
    }

    // Every bar on exactly one page, with its leftover on the same page, and
    // every page headed with its number.
    void pdfPagesBreakBetweenBars() {
        if (QStandardPaths::findExecutable("pdftotext").isEmpty()) {
            QSKIP("pdftotext is not installed");
        }
        std::vector<HandMadeBar> bars;
        for (int bar = 1; bar <= 60; ++bar) {
            bars.push_back({{{1, 1}}, 100.0f + static_cast<float>(bar)});
        }
        const QString file = dir_.filePath("bars.pdf");
        WriteDiagramFile(file.toStdString(), HandMadeDiagram(bars), kClock);
        const QList<QStringList> pages = PdfPages(file);
        QVERIFY(pages.size() > 1);
        int expectedBar = 1;
        for (int page = 0; page < pages.size(); ++page) {
            const QStringList& lines = pages[page];
            QVERIFY(lines.size() > 3);
            QCOMPARE(lines[0], "Shelf brackets");
            QCOMPARE(lines[1], "Page : " + QString::number(page + 1));
            const QString text = lines.join(u'\n');
            const int first = expectedBar;
            while (text.contains("Bar " + QString::number(expectedBar) + "\n")) {
                QVERIFY(text.contains(QString::number(100 + expectedBar) + ".000"));
                ++expectedBar;
            }
            QVERIFY2(expectedBar > first, qPrintable(text));
        }
        QCOMPARE(expectedBar, 61);
    }

    void fileNamesAndFileErrors() {
        const DiagramJob job = WorkedExampleDiagram();
        QCOMPARE(DiagramFormatOf("plan.PDF"), DiagramFormat::Pdf);
        QCOMPARE(DiagramFormatOf("a.svg"), DiagramFormat::Svg);
        QCOMPARE(DiagramFormatOf("svg"), std::nullopt);
        QVERIFY_THROWS_EXCEPTION(
            Exception, WriteDiagramFile(dir_.filePath("plan.png").toStdString(), job, kClock));
        try {
            WriteDiagramFile(dir_.filePath("missing/plan.svg").toStdString(), job, kClock);
            QFAIL("written into a missing folder");
        } catch (const EInOutError& error) {
            QCOMPARE(QString(error.what()), "No such file or directory");
        }
    }
};

QTEST_MAIN(DiagramExportTest)
#include "DiagramExportTest.moc"
