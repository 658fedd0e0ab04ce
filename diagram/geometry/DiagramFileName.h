#pragma once

#include <optional>
#include <string>

enum class DiagramFormat { Pdf, Svg };

// The format a file name asks for by its extension (".pdf" or ".svg", in any
// letter case); nothing for any other name.
std::optional<DiagramFormat> DiagramFormatOf(const std::string& path);

// Why a name that is neither .pdf nor .svg is refused.
inline const std::string kDiagramExtensionRefusal =
    "a diagram is written to a file ending in .pdf or .svg";
