#pragma once

#include <QString>
#include <memory>
#include <string>
#include <vector>

#include "diagram/PrintClock.h"

class QPrinter;
class QWidget;
class ReportLines;

// The window's printer for the run of the program: Print sends the report to
// it, Setup lets the user choose it (a printer, or a PDF file to print to).
// The choice lasts until the program ends and is stored nowhere.
class ReportPrinting {
  public:
    ReportPrinting();
    ~ReportPrinting();
    ReportPrinting(const ReportPrinting&) = delete;
    ReportPrinting& operator=(const ReportPrinting&) = delete;

    // Prints at once, without a dialog. Throws Exception when there is no
    // printer or the printer fails; a job that has begun is ended first.
    void Print(const std::vector<std::string>& lines, const std::string& title, bool noSummary);
    void Print(const ReportLines& lines, const std::string& title, bool noSummary);

    // Shows the printer setup dialog; its result is not checked, since a
    // cancelled dialog leaves the printer as it was. Its confirm button reads
    // "OK", since it only chooses; choosing a file that exists asks before it
    // is replaced.
    void Setup(QWidget* parent);

    // The file the next Print writes to, when it prints to a file; empty
    // when it goes to a printer.
    QString OutputFile();

    // The printer the next Print uses, created on first use with the
    // system's default printer.
    QPrinter& Printer();

    // Where the page headings take their date and time from.
    void SetClock(HeadingClock clock);

  private:
    std::unique_ptr<QPrinter> printer_;
    HeadingClock clock_;
};
