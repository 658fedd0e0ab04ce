#include "MiniJson.h"

#include <cstdlib>

namespace {

class Parser {
  public:
    explicit Parser(const std::string& text) : text_(text) {}

    bool Value(JsonValue& value) {
        SkipBlanks();
        if (Take("null")) {
            value.kind = JsonValue::Kind::Null;
            return true;
        }
        for (const char* word : {"true", "false"}) {
            if (Take(word)) {
                value.kind = JsonValue::Kind::Bool;
                value.text = word;
                return true;
            }
        }
        if ((Peek() >= '0' && Peek() <= '9') || Peek() == '-') {
            value.kind = JsonValue::Kind::Number;
            if (Peek() == '-') {
                value.text += text_[position_++];
            }
            while ((Peek() >= '0' && Peek() <= '9') || Peek() == '.' || Peek() == 'e' ||
                   Peek() == 'E' || Peek() == '+' || Peek() == '-') {
                value.text += text_[position_++];
            }
            char* end = nullptr;
            std::strtod(value.text.c_str(), &end);
            return end == value.text.c_str() + value.text.size() && value.text != "-";
        }
        if (Peek() == '"') {
            value.kind = JsonValue::Kind::String;
            return String(value.text);
        }
        if (Peek() == '[') {
            value.kind = JsonValue::Kind::Array;
            return Array(value);
        }
        if (Peek() == '{') {
            value.kind = JsonValue::Kind::Object;
            return Object(value);
        }
        return false;
    }

    bool AtEnd() {
        SkipBlanks();
        return position_ == text_.size();
    }

  private:
    char Peek() const { return position_ < text_.size() ? text_[position_] : '\0'; }

    bool Take(const std::string& word) {
        if (text_.compare(position_, word.size(), word) != 0) {
            return false;
        }
        position_ += word.size();
        return true;
    }

    void SkipBlanks() {
        while (Peek() == ' ' || Peek() == '\n' || Peek() == '\r' || Peek() == '\t') {
            ++position_;
        }
    }

    bool String(std::string& out) {
        ++position_;
        while (position_ < text_.size()) {
            const char c = text_[position_++];
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c != '\\') {
                out += c;
                continue;
            }
            const char escaped = Peek();
            ++position_;
            switch (escaped) {
                case '"':
                    out += '"';
                    break;
                case '\\':
                    out += '\\';
                    break;
                case '/':
                    out += '/';
                    break;
                case 'n':
                    out += '\n';
                    break;
                case 'r':
                    out += '\r';
                    break;
                case 't':
                    out += '\t';
                    break;
                case 'b':
                    out += '\b';
                    break;
                case 'f':
                    out += '\f';
                    break;
                case 'u': {
                    if (position_ + 4 > text_.size()) {
                        return false;
                    }
                    const long code = std::strtol(text_.substr(position_, 4).c_str(), nullptr, 16);
                    position_ += 4;
                    if (code >= 0x80) {
                        return false;  // the tool escapes control characters only
                    }
                    out += static_cast<char>(code);
                    break;
                }
                default:
                    return false;
            }
        }
        return false;
    }

    bool Array(JsonValue& value) {
        ++position_;
        SkipBlanks();
        if (Peek() == ']') {
            ++position_;
            return true;
        }
        for (;;) {
            JsonValue item;
            if (!Value(item)) {
                return false;
            }
            value.items.push_back(std::move(item));
            SkipBlanks();
            if (Peek() == ']') {
                ++position_;
                return true;
            }
            if (Peek() != ',') {
                return false;
            }
            ++position_;
        }
    }

    bool Object(JsonValue& value) {
        ++position_;
        SkipBlanks();
        if (Peek() == '}') {
            ++position_;
            return true;
        }
        for (;;) {
            SkipBlanks();
            std::string name;
            if (Peek() != '"' || !String(name)) {
                return false;
            }
            SkipBlanks();
            if (Peek() != ':') {
                return false;
            }
            ++position_;
            JsonValue member;
            if (!Value(member) || value.members.count(name) != 0) {
                return false;
            }
            value.memberOrder.push_back(name);
            value.members.emplace(name, std::move(member));
            SkipBlanks();
            if (Peek() == '}') {
                ++position_;
                return true;
            }
            if (Peek() != ',') {
                return false;
            }
            ++position_;
        }
    }

    const std::string& text_;
    std::size_t position_ = 0;
};

}  // namespace

std::optional<JsonValue> ParseJson(const std::string& text) {
    Parser parser(text);
    JsonValue value;
    if (!parser.Value(value) || !parser.AtEnd()) {
        return std::nullopt;
    }
    return value;
}
