#pragma once

#include <QFont>

#include "core/report/PageHeading.h"
#include "diagram/geometry/DiagramLayout.h"

class QPagedPaintDevice;
class QPaintDevice;

// The font of the printed report, which the diagram's pages take over.
QFont PrintedPageFont();

// Draws the diagram on the pages of a printer or a PDF writer. Every page
// opens with the printed report's heading (title, page number, date and time)
// and the bar settings, and holds as many whole strips as fit: pages break
// between bars, never through one. Returns the number of pages. Throws
// Exception when the device cannot be painted on.
int PaintDiagramPages(QPagedPaintDevice& device, const DiagramJob& job, const HeadingClock& clock);

// The diagram as one tall page headed as page 1, for a format without pages
// (SVG): the height it needs at the given width, and the drawing.
int SinglePageHeight(const DiagramJob& job, QPaintDevice* device, int width);
void PaintSinglePage(QPaintDevice& device, const DiagramJob& job, const HeadingStamp& stamp,
                     int width);
