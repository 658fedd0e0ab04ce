#include "diagram/geometry/DiagramFileName.h"

#include <algorithm>
#include <cctype>

namespace {

bool EndsWith(const std::string& path, const std::string& extension) {
    if (path.size() < extension.size()) {
        return false;
    }
    return std::equal(extension.rbegin(), extension.rend(), path.rbegin(), [](char e, char p) {
        return e == std::tolower(static_cast<unsigned char>(p));
    });
}

}  // namespace

std::optional<DiagramFormat> DiagramFormatOf(const std::string& path) {
    if (EndsWith(path, ".pdf")) {
        return DiagramFormat::Pdf;
    }
    if (EndsWith(path, ".svg")) {
        return DiagramFormat::Svg;
    }
    return std::nullopt;
}
