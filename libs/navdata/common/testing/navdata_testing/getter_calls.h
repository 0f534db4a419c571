// Calling text getters and lines in tests so that a stray read or write shows: lines
// live in buffers exactly their length, outputs carry a guard past the field.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace navdata::testing {

using TextGetter = void (*)(char* out, const char* line);

// The line in a heap buffer of exactly its length and terminator.
class ExactLine {
public:
    explicit ExactLine(const std::string& text) : bytes_(text.c_str(), text.c_str() + text.size() + 1) {}
    const char* get() const { return bytes_.data(); }

private:
    std::vector<char> bytes_;
};

struct GetterResult {
    std::string text;  // up to the terminator the getter wrote
    bool guardKept;    // nothing written past `size` bytes
    bool untouched;    // the getter wrote nothing at all
};

// Calls the getter into a buffer of `size` bytes plus a guard, all pre-set to '#'.
GetterResult CallGetter(TextGetter getter, const char* line, std::size_t size);

}  // namespace navdata::testing
