#pragma once

#include <QByteArray>
#include <optional>
#include <string>

#include "core/DiagramLayout.h"
#include "core/PageHeading.h"

enum class DiagramFormat { Pdf, Svg };

// The format a file name asks for by its extension (".pdf" or ".svg", in any
// letter case); nothing for any other name.
std::optional<DiagramFormat> DiagramFormatOf(const std::string& path);

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

// The text of the refusal of a name that is neither .pdf nor .svg.
inline const std::string kDiagramExtensionRefusal =
    "A diagram is written to a file ending in .pdf or .svg";
