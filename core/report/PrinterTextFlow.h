#pragma once

#include <functional>
#include <string>
#include <string_view>
#include <vector>

// Where the next text line goes on a printed page and when the page is full.
// Positions are printer pixels from the top of the printable area.
class PrinterTextFlow {
  public:
    // lineAdvance is the text height plus the 2 pixels between lines.
    PrinterTextFlow(int lineAdvance, int pageHeight);

    int Top() const { return top_; }
    int PageNumber() const { return page_; }
    int LineAdvance() const { return advance_; }
    void SetLineAdvance(int lineAdvance);

    // Moves below the line just written. Returns true when that line was the
    // last one the page takes, so a new page has begun.
    bool LineWritten();

  private:
    int advance_;
    int pageHeight_;
    int top_ = 0;
    int page_ = 1;
};

// Cuts a text into the pieces that fit one after another into a line of the
// given width, as measured by measure (the width of a piece of text). Every
// piece holds at least one character, so a page narrower than one character
// still makes progress; an empty text is one empty piece.
std::vector<std::string> SplitToWidth(const std::string& text, int width,
                                      const std::function<int(std::string_view)>& measure);
