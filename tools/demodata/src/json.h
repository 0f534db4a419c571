// A small JSON reader, enough for TopoJSON files: objects, arrays, numbers, strings,
// true, false and null.
#pragma once

#include <map>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace demodata {

struct JsonValue {
    enum class Kind { Null, Boolean, Number, String, Array, Object };
    Kind kind = Kind::Null;
    bool boolean = false;
    double number = 0.0;
    std::string text;
    std::vector<JsonValue> items;
    std::map<std::string, JsonValue> members;

    // The member of that name, or nullptr.
    const JsonValue* Find(const std::string& name) const;
};

// nullopt for text that is not one JSON value.
std::optional<JsonValue> ParseJson(std::string_view text);

}  // namespace demodata
