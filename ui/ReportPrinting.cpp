#include "ui/ReportPrinting.h"

#include <QDialogButtonBox>
#include <QPrintDialog>
#include <QPrinter>
#include <QPushButton>
#include <utility>

#include "core/report/ReportPrinter.h"
#include "model/ReportLines.h"
#include "ui/QtPrinterText.h"

ReportPrinting::ReportPrinting() : clock_(SystemHeadingStamp) {}

ReportPrinting::~ReportPrinting() = default;

QPrinter& ReportPrinting::Printer() {
    // Created late: looking up the printers can take a while and is not
    // needed until the user prints.
    if (!printer_) {
        printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
    }
    return *printer_;
}

void ReportPrinting::SetClock(HeadingClock clock) {
    clock_ = clock ? std::move(clock) : HeadingClock(SystemHeadingStamp);
}

void ReportPrinting::Print(const std::vector<std::string>& lines, const std::string& title,
                           bool noSummary) {
    QtPrinterText out(Printer());
    PrintReport(out, lines, title, noSummary, clock_);
}

void ReportPrinting::Print(const ReportLines& lines, const std::string& title, bool noSummary) {
    Print(lines.All(), title, noSummary);
}

void ReportPrinting::Setup(QWidget* parent) {
    QPrintDialog dialog(&Printer(), parent);
    dialog.setWindowTitle(QStringLiteral("Print Setup"));
    // Page ranges and the like belong to a single job, not to the setup.
    dialog.setOptions(QAbstractPrintDialog::PrintToFile | QAbstractPrintDialog::PrintShowPageSize);
    // The dialog only chooses the printer; its confirm button prints nothing.
    if (auto* buttons = dialog.findChild<QDialogButtonBox*>()) {
        if (QPushButton* confirm = buttons->button(QDialogButtonBox::Ok)) {
            confirm->setText(QStringLiteral("&OK"));
        }
    }
    dialog.exec();
}

QString ReportPrinting::OutputFile() {
    const QPrinter& printer = Printer();
    return printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
}
