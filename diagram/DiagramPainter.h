#pragma once

#include <QFont>
#include <QFontMetrics>

#include "diagram/geometry/DiagramLayout.h"

class QPainter;
class QPaintDevice;

// Draws the strips of a cutting diagram with one painter, on the screen, a
// printer page, a PDF or an SVG alike. Sizes are in the device's pixels and
// follow from the font as that device measures it, so a strip looks the same
// on paper as on the screen.
//
// A strip is a label line ("Bar 3" or "Bars 4-9, 6 x") above the bar drawn to
// scale: every piece a box with its item number and its length as typed, the
// cut widths dark between them, the leftover shaded at the right end with
// "scrap" or "remaining" and its value.
class DiagramPainter {
  public:
    DiagramPainter(const DiagramJob& job, const QFont& font, QPaintDevice* device);

    int LineHeight() const { return line_; }
    int StripHeight() const { return line_ + barHeight_ + line_ / 2; }
    // Where a strip's bar lies below the strip's top, and how tall it is.
    int BarTop() const { return line_; }
    int BarHeight() const { return barHeight_; }
    // The room a strip needs left and right of its bar.
    int Margin() const { return line_ / 2; }

    // Draws the strip of a group of like bars, its label line at top and its
    // bar width pixels wide from left.
    void DrawStrip(QPainter& painter, const BarGroup& group, int left, int top, int width) const {
        DrawStrip(painter, group, left, top, width, StripLabels{left, width});
    }
    // The same with the label line across another span: on the screen the
    // bar scrolls sideways when zoomed, while its number stays in view.
    struct StripLabels {
        int Left = 0;
        int Width = 0;
    };
    void DrawStrip(QPainter& painter, const BarGroup& group, int left, int top, int width,
                   StripLabels labels) const;

    // The window's heading: the title and the bar settings, two lines.
    int ScreenHeadingHeight() const { return 3 * line_; }
    void DrawScreenHeading(QPainter& painter, int left, int top, int width) const;

  private:
    void DrawBox(QPainter& painter, const DiagramBox& box, const PlannedBar& bar, int left,
                 int top) const;
    void DrawLabels(QPainter& painter, const QRect& area, const QString& upper,
                    const QString& lower) const;
    bool Fits(const QString& label, int boxWidth) const;

    const DiagramJob& job_;
    QFont font_;
    QFont bold_;
    QFont small_;
    QFontMetrics metrics_;
    QFontMetrics smallMetrics_;
    int line_;
    int barHeight_;
};

// The colours of the boxes, also what the exported SVG is read back by.
namespace DiagramColours {
inline constexpr const char* kPiece = "#f2dfb4";
inline constexpr const char* kCut = "#b03a2e";
inline constexpr const char* kScrap = "#bdbdbd";
inline constexpr const char* kRemaining = "#c9e6bf";
inline constexpr const char* kOutline = "#4a3f2a";
}  // namespace DiagramColours
