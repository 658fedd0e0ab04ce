#pragma once

#include <QString>
#include <string>
#include <string_view>

// Cells, files and the report hold single-byte Latin-1 text; the widgets hold
// QString. A character outside Latin-1 cannot be stored and becomes "?".
inline QString ToQString(std::string_view text) {
    return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

inline std::string ToLatin1(const QString& text) {
    const QByteArray bytes = text.toLatin1();
    return std::string(bytes.constData(), static_cast<std::size_t>(bytes.size()));
}
