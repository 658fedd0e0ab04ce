#pragma once

#include <string>

#include "diagram/geometry/DiagramLayout.h"

// Writes the cutting diagram into a .pdf or .svg file, replacing an existing
// file only once the new one is complete. Throws Exception (EInOutError for
// the file) with the text to report.
void WriteBatchDiagram(const std::string& path, const DiagramJob& job);
