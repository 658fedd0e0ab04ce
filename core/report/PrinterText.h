#pragma once

#include <string>

// The font a print job writes its text in.
struct PrinterFont {
    std::string Family;
    int PointSize = 10;
    bool Bold = false;
};

// Text output to a printer, line by line, the way lines are written to a text
// file: each line stands at the left edge of the printable area below the
// previous one, and the output turns to a new page by itself when the page is
// full. The report printing talks only to this, so it can run against a
// stand-in as well as against a real printer.
class IPrinterText {
  public:
    virtual ~IPrinterText() = default;

    // Starts the print job; throws Exception when no printer can take it.
    virtual void BeginDoc() = 0;
    virtual void SetFont(const PrinterFont& font) = 0;
    // Writes one line of single-byte (Latin-1) text and moves below it.
    virtual void WriteLine(const std::string& text) = 0;
    // The page the next line goes to: 1 on the first page.
    virtual int PageNumber() const = 0;
    // Finishes the job with what has been written.
    virtual void EndDoc() = 0;
};
