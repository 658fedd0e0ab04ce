#include "ui/QtPrinterText.h"

#include <QFont>
#include <QFontMetrics>
#include <QPrinter>
#include <QString>

#include "diagram/Latin1.h"
#include "model/Exceptions.h"

namespace {

// Where the job goes, for error texts.
std::string Destination(const QPrinter& printer) {
    if (printer.outputFormat() == QPrinter::PdfFormat) {
        return "the file \"" + ToLatin1(printer.outputFileName()) + "\"";
    }
    return "the printer \"" + ToLatin1(printer.printerName()) + "\"";
}

}  // namespace

void RequirePrinterReady(const QPrinter& printer) {
    // Without any installed printer Qt falls back to PDF output with no file
    // name; that is the case of no default printer, unless the user chose a
    // file in the printer setup.
    bool noDestination = printer.outputFormat() == QPrinter::PdfFormat
                             ? printer.outputFileName().isEmpty()
                             : printer.printerName().isEmpty();
    if (noDestination) {
        throw Exception("There is no default printer currently selected");
    }
    if (!printer.isValid()) {
        throw Exception("Printer selected is not valid");
    }
}

QtPrinterText::QtPrinterText(QPrinter& printer) : printer_(printer) {}

QtPrinterText::~QtPrinterText() {
    if (painter_.isActive()) {
        painter_.end();
    }
}

void QtPrinterText::BeginDoc() {
    if (painter_.isActive()) {
        throw Exception("Printing in progress");
    }
    RequirePrinterReady(printer_);
    if (!painter_.begin(&printer_)) {
        throw Exception("Cannot start printing on " + Destination(printer_));
    }
    flow_.reset();
    pageOwed_ = false;
    StartFlow();
}

void QtPrinterText::SetFont(const PrinterFont& font) {
    RequirePrinting();
    QFont qtFont(ToQString(font.Family), font.PointSize, font.Bold ? QFont::Bold : QFont::Normal);
    painter_.setFont(qtFont);
    StartFlow();
}

// The line advance follows the font; a font change keeps the page and the
// position on it.
void QtPrinterText::StartFlow() {
    int advance = painter_.fontMetrics().height() + 2;
    if (flow_) {
        flow_->SetLineAdvance(advance);
    } else {
        flow_.emplace(advance, printer_.height());
    }
}

void QtPrinterText::WriteLine(const std::string& text) {
    RequirePrinting();
    QFontMetrics metrics = painter_.fontMetrics();
    auto measure = [&](std::string_view piece) {
        return metrics.horizontalAdvance(ToQString(piece));
    };
    std::vector<std::string> pieces = SplitToWidth(text, printer_.width(), measure);
    for (const std::string& piece : pieces) {
        StartOwedPage();
        painter_.drawText(QPoint(0, flow_->Top() + metrics.ascent()), ToQString(piece));
        NewLine();
    }
    if (printer_.printerState() == QPrinter::Error) {
        throw Exception("Printing failed on " + Destination(printer_));
    }
}

void QtPrinterText::NewLine() {
    // The page number turns at once, but the printer's new sheet waits for a
    // line to go on it: a report whose last line fills its last page ends
    // there, without an empty sheet.
    if (flow_->LineWritten()) {
        pageOwed_ = true;
    }
}

void QtPrinterText::StartOwedPage() {
    if (!pageOwed_) {
        return;
    }
    if (!printer_.newPage()) {
        throw Exception("Cannot start a new page on " + Destination(printer_));
    }
    pageOwed_ = false;
}

int QtPrinterText::PageNumber() const {
    RequirePrinting();
    return flow_->PageNumber();
}

void QtPrinterText::EndDoc() {
    RequirePrinting();
    flow_.reset();
    if (!painter_.end() || printer_.printerState() == QPrinter::Error) {
        throw Exception("Printing failed on " + Destination(printer_));
    }
}

void QtPrinterText::RequirePrinting() const {
    if (!painter_.isActive() || !flow_) {
        throw Exception("Printer is not currently printing");
    }
}
