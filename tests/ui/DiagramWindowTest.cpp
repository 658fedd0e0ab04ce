// The cutting diagram window: what it shows, how it scrolls and zooms, and
// its export.
#include <QAction>
#include <QColor>
#include <QFileInfo>
#include <QImage>
#include <QPrinter>
#include <QRegularExpression>
#include <QScrollBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

#include "diagram/DiagramPainter.h"
#include "tests/common/HandMadeDiagram.h"
#include "ui/DiagramView.h"
#include "ui/DiagramWindow.h"
#include "ui/ReportPrinting.h"

namespace {

// Bars that differ one from the next, so that none are grouped.
std::shared_ptr<const DiagramJob> ManyBars(int count) {
    std::vector<HandMadeBar> bars;
    for (int bar = 0; bar < count; ++bar) {
        bars.push_back({{{1, 1}, {3, 1 + bar % 3}}, static_cast<float>(bar % 7)});
    }
    return std::make_shared<const DiagramJob>(HandMadeDiagram(bars));
}

}  // namespace

class DiagramWindowTest : public QObject {
    Q_OBJECT

    ReportPrinting printing_;
    std::vector<std::string> errors_;
    DiagramWindow::ErrorBox boxes_ = [this](const std::string& text) { errors_.push_back(text); };

  private slots:
    void withoutACalculateThereIsNothingToPrintOrExport() {
        DiagramWindow window(printing_, boxes_);
        QVERIFY(window.View()->Job() == nullptr);
        for (QAction* action : {window.PrintItem, window.ExportPdfItem, window.ExportSvgItem}) {
            QVERIFY(!action->isEnabled());
        }
        window.SetJob(ManyBars(3));
        QVERIFY(window.PrintItem->isEnabled());
        QCOMPARE(window.windowTitle(), "Cutting Diagram - Shelf brackets");
    }

    // Only the strips in view are drawn, wherever the view is scrolled.
    void drawsOnlyTheStripsInView() {
        DiagramWindow window(printing_, boxes_);
        window.SetJob(ManyBars(28000));
        window.resize(800, 600);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        window.View()->viewport()->grab();
        auto [first, past] = window.View()->PaintedStrips();
        QCOMPARE(first, 0u);
        QVERIFY(past > 3 && past < 40);
        QScrollBar* scroll = window.View()->verticalScrollBar();
        scroll->setValue(scroll->maximum());
        window.View()->viewport()->grab();
        std::tie(first, past) = window.View()->PaintedStrips();
        QCOMPARE(past, 28000u);
        QVERIFY(first > 28000u - 40);
    }

    void zoomWidensTheBarsWithinItsLimits() {
        DiagramWindow window(printing_, boxes_);
        window.SetJob(ManyBars(3));
        window.resize(800, 600);
        QScrollBar* scroll = window.View()->horizontalScrollBar();
        QCOMPARE(scroll->maximum(), 0);
        window.ZoomInItem->trigger();
        QVERIFY(scroll->maximum() > 0);
        window.FitWidthItem->trigger();
        QCOMPARE(scroll->maximum(), 0);
        window.ZoomOutItem->trigger();
        QCOMPARE(window.View()->Zoom(), 1.0);
        window.View()->SetZoom(1e9);
        QCOMPARE(window.View()->Zoom(), DiagramView::kMostZoom);
    }

    // Scrolled sideways, the bars move and the heading and bar numbers stay.
    void zoomedBarsScrollUnderTheirNumbers() {
        DiagramWindow window(printing_, boxes_);
        window.SetJob(ManyBars(3));
        window.resize(800, 600);
        window.View()->SetZoom(DiagramView::kMostZoom);
        QScrollBar* scroll = window.View()->horizontalScrollBar();
        scroll->setValue(0);
        const QImage left = window.View()->viewport()->grab().toImage();
        scroll->setValue(scroll->maximum());
        const QImage right = window.View()->viewport()->grab().toImage();
        QVERIFY(left != right);
        // Every line but those of the bars themselves, which pass under the
        // numbers, looks the same.
        const QRgb piece = QColor(DiagramColours::kPiece).rgb();
        const QRgb outline = QColor(DiagramColours::kOutline).rgb();
        int labelLines = 0;
        for (int y = 0; y < left.height(); ++y) {
            bool barLine = false;
            for (int x = 0; x < left.width() && !barLine; ++x) {
                for (const QRgb pixel : {left.pixel(x, y), right.pixel(x, y)}) {
                    barLine = barLine || pixel == piece || pixel == outline;
                }
            }
            if (barLine) {
                continue;
            }
            for (int x = 0; x < left.width(); ++x) {
                QVERIFY2(left.pixel(x, y) == right.pixel(x, y),
                         qPrintable(QStringLiteral("differs at %1,%2").arg(x).arg(y)));
            }
            ++labelLines;
        }
        QVERIFY(labelLines > 0);
    }

    // A box names what it stands for when pointed at, even where it is too
    // narrow for its label; nothing else does.
    void pointingAtABoxTellsWhatItIs() {
        DiagramWindow window(printing_, boxes_);
        window.SetJob(std::make_shared<const DiagramJob>(WorkedExampleDiagram()));
        window.resize(800, 600);
        const DiagramView* view = window.View();
        const QImage image = view->viewport()->grab().toImage();
        const QRgb piece = QColor(DiagramColours::kPiece).rgb();
        const QRgb scrap = QColor(DiagramColours::kScrap).rgb();
        const int x = image.width() / 10;  // within bar 1's first piece of 96
        int y = 0;
        while (y < image.height() && image.pixel(x, y) != piece) {
            ++y;
        }
        QVERIFY(y < image.height() - 3);
        y += 3;
        int scrapX = image.width() - 1;
        while (scrapX > 0 && image.pixel(scrapX, y) != scrap) {
            --scrapX;
        }
        QVERIFY(scrapX > x);
        QCOMPARE(view->TipAt({x, y}), QStringLiteral("Item # {1}   96"));
        QCOMPARE(view->TipAt({scrapX, y}), QStringLiteral("scrap 17.625"));
        QCOMPARE(view->TipAt({x, y - 6}), QString());  // bar 1's label line
        QCOMPARE(view->TipAt({x, image.height() - 2}), QString());
    }

    void printingTellsHowManyPages() {
        QTemporaryDir dir;
        const struct {
            int bars;
            QRegularExpression said;
        } cases[] = {{3, QRegularExpression("^Printed 1 page$")},
                     {200, QRegularExpression("^Printed ([2-9]|[1-9][0-9]+) pages$")}};
        for (const auto& c : cases) {
            DiagramWindow window(printing_, boxes_);
            window.SetJob(ManyBars(c.bars));
            QPrinter printer;
            printer.setOutputFormat(QPrinter::PdfFormat);
            printer.setOutputFileName(dir.filePath("printed.pdf"));
            errors_.clear();
            window.PrintOn(printer);
            QVERIFY(errors_.empty());
            const QString said = window.statusBar()->currentMessage();
            QVERIFY2(c.said.match(said).hasMatch(), qPrintable(said));
        }
    }

    void exportWritesTheFileOrShowsWhyNot() {
        QTemporaryDir dir;
        DiagramWindow window(printing_, boxes_);
        window.SetJob(ManyBars(3));
        errors_.clear();
        window.ExportTo(dir.filePath("plan.svg"));
        QVERIFY(QFileInfo(dir.filePath("plan.svg")).size() > 0);
        QVERIFY(errors_.empty());
        window.ExportTo(dir.filePath("missing/plan.pdf"));
        QCOMPARE(errors_, std::vector<std::string>{"No such file or directory."});
    }
};

QTEST_MAIN(DiagramWindowTest)
#include "DiagramWindowTest.moc"
