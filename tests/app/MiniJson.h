#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <vector>

// Just enough JSON to check the batch tool's output: null, true and false,
// numbers (their text kept), strings (escapes
// decoded, UTF-8 kept), arrays and objects. Anything else fails the parse.
struct JsonValue {
    enum class Kind { Null, Bool, Number, String, Array, Object };
    Kind kind = Kind::Null;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;
    std::vector<std::string> memberOrder;
};

// Nothing when the text is not one complete JSON value of those kinds.
std::optional<JsonValue> ParseJson(const std::string& text);
