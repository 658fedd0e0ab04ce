#include "ui/DiagramWindow.h"

#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QMenuBar>
#include <QPrintDialog>
#include <QPrinter>
#include <QStatusBar>
#include <new>

#include "diagram/DiagramExport.h"
#include "diagram/DiagramPages.h"
#include "diagram/Latin1.h"
#include "diagram/PrintClock.h"
#include "model/Exceptions.h"
#include "ui/DiagramView.h"
#include "ui/QtPrinterText.h"
#include "ui/ReportPrinting.h"

DiagramWindow::DiagramWindow(ReportPrinting& printing, ErrorBox showError, QWidget* parent)
    : QMainWindow(parent),
      printing_(printing),
      showError_(std::move(showError)),
      clock_(SystemHeadingStamp) {
    setObjectName(QStringLiteral("DiagramWindow"));
    setWindowTitle(QStringLiteral("Cutting Diagram"));
    view_ = new DiagramView(this);
    setCentralWidget(view_);
    CreateMenus();
    statusBar();
    resize(900, 560);
    SetJob(nullptr);
}

DiagramWindow::~DiagramWindow() = default;

void DiagramWindow::CreateMenus() {
    auto entry = [this](QMenu* menu, const QString& caption, const QString& hint,
                        const QKeySequence& keys, auto command) {
        QAction* action = menu->addAction(caption);
        action->setStatusTip(hint);
        action->setShortcut(keys);
        connect(action, &QAction::triggered, this, command);
        return action;
    };
    QMenu* file = menuBar()->addMenu(QStringLiteral("&File"));
    PrintItem = entry(file, QStringLiteral("&Print..."), QStringLiteral("Print the diagram"),
                      QKeySequence::Print, [this] { Print(); });
    ExportPdfItem = entry(file, QStringLiteral("Export P&DF..."),
                          QStringLiteral("Write the diagram into a PDF file"), {},
                          [this] { Export(QStringLiteral("PDF (*.pdf)"), ".pdf"); });
    ExportSvgItem = entry(file, QStringLiteral("Export &SVG..."),
                          QStringLiteral("Write the diagram into an SVG drawing"), {},
                          [this] { Export(QStringLiteral("SVG (*.svg)"), ".svg"); });
    file->addSeparator();
    CloseItem = entry(file, QStringLiteral("&Close"), QStringLiteral("Close the diagram"),
                      QKeySequence::Close, [this] { close(); });

    QMenu* view = menuBar()->addMenu(QStringLiteral("&View"));
    ZoomInItem = entry(view, QStringLiteral("Zoom &In"), QStringLiteral("Widen the bars"),
                       QKeySequence::ZoomIn, [this] { view_->ZoomIn(); });
    ZoomOutItem = entry(view, QStringLiteral("Zoom &Out"), QStringLiteral("Narrow the bars"),
                        QKeySequence::ZoomOut, [this] { view_->ZoomOut(); });
    FitWidthItem = entry(view, QStringLiteral("&Fit Width"),
                         QStringLiteral("Fit the bars to the width of the window"),
                         QKeySequence(Qt::CTRL | Qt::Key_0), [this] { view_->SetZoom(1.0); });
}

void DiagramWindow::SetJob(std::shared_ptr<const DiagramJob> job) {
    job_ = std::move(job);
    view_->SetJob(job_);
    for (QAction* action : {PrintItem, ExportPdfItem, ExportSvgItem}) {
        action->setEnabled(job_ != nullptr);
    }
    QString title = QStringLiteral("Cutting Diagram");
    if (job_) {
        title += QStringLiteral(" - ") + ToQString(job_->Title).trimmed();
    }
    setWindowTitle(title);
}

void DiagramWindow::ShowError(const std::exception& error) {
    if (dynamic_cast<const std::bad_alloc*>(&error) != nullptr) {
        showError_("Out of memory.");
        return;
    }
    showError_(WithFullStop(error.what()));
}

void DiagramWindow::Print() {
    if (!job_) {
        return;
    }
    QPrintDialog dialog(&printing_.Printer(), this);
    dialog.setWindowTitle(QStringLiteral("Print Cutting Diagram"));
    if (dialog.exec() == QDialog::Accepted) {
        PrintOn(printing_.Printer());
    }
}

void DiagramWindow::PrintOn(QPrinter& printer) {
    if (!job_) {
        return;
    }
    try {
        RequirePrinterReady(printer);
        const int pages = PaintDiagramPages(printer, *job_, clock_);
        statusBar()->showMessage(pages == 1 ? QStringLiteral("Printed 1 page")
                                            : QStringLiteral("Printed %1 pages").arg(pages));
    } catch (const std::exception& error) {
        ShowError(error);
    }
}

void DiagramWindow::Export(const QString& filter, const QString& extension) {
    if (!job_) {
        return;
    }
    const QString proposed = ToQString(job_->Title).trimmed() + extension;
    QString fileName = QFileDialog::getSaveFileName(this, QStringLiteral("Export Cutting Diagram"),
                                                    proposed, filter);
    if (fileName.isEmpty()) {
        return;
    }
    if (!DiagramFormatOf(QFile::encodeName(fileName).toStdString())) {
        fileName += extension;
    }
    ExportTo(fileName);
}

void DiagramWindow::ExportTo(const QString& fileName) {
    if (!job_) {
        return;
    }
    try {
        WriteDiagramFile(QFile::encodeName(fileName).toStdString(), *job_, clock_);
        statusBar()->showMessage(QStringLiteral("Diagram written to ") + fileName);
    } catch (const std::exception& error) {
        ShowError(error);
    }
}
