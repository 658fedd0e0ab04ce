#pragma once

#include <string>
#include <string_view>

// A single-byte (Latin-1) text as a JSON string literal in UTF-8, quotes included.
std::string JsonString(std::string_view latin1);

// The same, appended to a text.
void AppendJsonString(std::string& json, std::string_view latin1);
