#include "json.h"

#include <cctype>

#include "platform/numbers.h"

namespace demodata {

namespace {

constexpr int kMaxDepth = 64;

class Parser {
public:
    explicit Parser(std::string_view text) : text_(text) {}

    bool Value(JsonValue& out, int depth) {
        SkipBlanks();
        if (depth > kMaxDepth || at_ >= text_.size()) return false;
        const char c = text_[at_];
        if (c == '{') return Object(out, depth);
        if (c == '[') return Array(out, depth);
        if (c == '"') {
            out.kind = JsonValue::Kind::String;
            return String(out.text);
        }
        if (Word("true") || Word("false")) {
            out.kind = JsonValue::Kind::Boolean;
            out.boolean = c == 't';
            return true;
        }
        if (Word("null")) return true;
        return Number(out);
    }

    bool AtEnd() {
        SkipBlanks();
        return at_ == text_.size();
    }

private:
    void SkipBlanks() {
        while (at_ < text_.size() && std::isspace(static_cast<unsigned char>(text_[at_]))) ++at_;
    }

    bool Take(char c) {
        SkipBlanks();
        if (at_ < text_.size() && text_[at_] == c) {
            ++at_;
            return true;
        }
        return false;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) return false;
        at_ += word.size();
        return true;
    }

    bool Number(JsonValue& out) {
        size_t length = 0;
        out.number = platform::LeadingDouble(text_.substr(at_), length);
        if (length == 0) return false;
        out.kind = JsonValue::Kind::Number;
        at_ += length;
        return true;
    }

    // Escapes other than \uXXXX keep their character; \uXXXX becomes "?" (names only).
    bool String(std::string& out) {
        ++at_;
        while (at_ < text_.size() && text_[at_] != '"') {
            if (text_[at_] == '\\' && at_ + 1 < text_.size()) {
                ++at_;
                if (text_[at_] == 'u') {
                    out.push_back('?');
                    at_ += 4;
                } else {
                    out.push_back(text_[at_]);
                }
                ++at_;
                continue;
            }
            out.push_back(text_[at_++]);
        }
        if (at_ >= text_.size()) return false;
        ++at_;
        return true;
    }

    bool Array(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Array;
        ++at_;
        if (Take(']')) return true;
        do {
            out.items.emplace_back();
            if (!Value(out.items.back(), depth + 1)) return false;
        } while (Take(','));
        return Take(']');
    }

    bool Object(JsonValue& out, int depth) {
        out.kind = JsonValue::Kind::Object;
        ++at_;
        if (Take('}')) return true;
        do {
            SkipBlanks();
            std::string name;
            if (at_ >= text_.size() || text_[at_] != '"' || !String(name) || !Take(':')) return false;
            if (!Value(out.members[name], depth + 1)) return false;
        } while (Take(','));
        return Take('}');
    }

    std::string_view text_;
    size_t at_ = 0;
};

}  // namespace

const JsonValue* JsonValue::Find(const std::string& name) const {
    const auto found = members.find(name);
    return found == members.end() ? nullptr : &found->second;
}

std::optional<JsonValue> ParseJson(std::string_view text) {
    Parser parser(text);
    JsonValue value;
    if (!parser.Value(value, 0) || !parser.AtEnd()) return std::nullopt;
    return value;
}

}  // namespace demodata
