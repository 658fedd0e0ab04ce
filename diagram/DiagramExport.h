#pragma once

#include <QByteArray>
#include <string>

#include "core/report/PageHeading.h"
#include "diagram/geometry/DiagramFileName.h"
#include "diagram/geometry/DiagramLayout.h"

// The diagram as a PDF document: A4 landscape pages, each headed like the
// printed report, broken between bars.
QByteArray DiagramPdf(const DiagramJob& job, const HeadingClock& clock);

// The diagram as one SVG drawing, headed like page 1 of the printed report.
QByteArray DiagramSvg(const DiagramJob& job, const HeadingClock& clock);

// Writes the diagram into the file in the format its extension names. An
// existing file is replaced only once the new one is complete. Throws
// Exception for a name of another extension and EInOutError with the
// system's text when the file cannot be written.
void WriteDiagramFile(const std::string& path, const DiagramJob& job, const HeadingClock& clock);
