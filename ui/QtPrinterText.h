#pragma once

#include <QPainter>
#include <optional>

#include "core/report/PrinterText.h"
#include "core/report/PrinterTextFlow.h"

class QPrinter;

// Printer text output on a Qt printer: lines are painted at the left edge of
// the printable area in printer pixels; a new sheet is begun when a line is
// written after the page turned.
class QtPrinterText : public IPrinterText {
  public:
    explicit QtPrinterText(QPrinter& printer);
    ~QtPrinterText() override;
    QtPrinterText(const QtPrinterText&) = delete;
    QtPrinterText& operator=(const QtPrinterText&) = delete;

    void BeginDoc() override;
    void SetFont(const PrinterFont& font) override;
    void WriteLine(const std::string& text) override;
    int PageNumber() const override;
    void EndDoc() override;

  private:
    void RequirePrinting() const;
    void StartFlow();
    void NewLine();
    void StartOwedPage();

    QPrinter& printer_;
    QPainter painter_;
    std::optional<PrinterTextFlow> flow_;
    bool pageOwed_ = false;
};

// Throws Exception when the printer cannot take a job: no printer is installed
// and no file to print to was chosen, or the chosen printer is not usable.
void RequirePrinterReady(const QPrinter& printer);
