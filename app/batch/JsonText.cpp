#include "app/batch/JsonText.h"

#include <cstdio>

std::string JsonString(std::string_view latin1) {
    std::string json;
    AppendJsonString(json, latin1);
    return json;
}

void AppendJsonString(std::string& json, std::string_view latin1) {
    json += '"';
    for (const char c : latin1) {
        const auto byte = static_cast<unsigned char>(c);
        switch (c) {
            case '"':
                json += "\\\"";
                break;
            case '\\':
                json += "\\\\";
                break;
            case '\n':
                json += "\\n";
                break;
            case '\r':
                json += "\\r";
                break;
            case '\t':
                json += "\\t";
                break;
            default:
                if (byte < 0x20) {
                    char escaped[8];
                    std::snprintf(escaped, sizeof escaped, "\\u%04x", byte);
                    json += escaped;
                } else if (byte < 0x80) {
                    json += c;
                } else {
                    json += static_cast<char>(0xC0 | (byte >> 6));
                    json += static_cast<char>(0x80 | (byte & 0x3F));
                }
        }
    }
    json += '"';
}
