// The cutting diagram window: what it shows, how it scrolls and zooms, and
// its export.
#include <QAction>
#include <QFileInfo>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <memory>
#include <string>
#include <vector>

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
