#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "adf/definition.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            lines.push_back(text.substr(start, i - start));
            start = i + 1;
        }
    }
    adf::Definition adf;
    adf.SetLines(lines);
    for (const char* code : {"_000", "_100", "_300", "002", "_904_BEG", "_"}) {
        (void)adf.Value(code, 2);
        (void)adf.IsOptionSet(code);
        (void)adf.Block(code);
    }
    if (!lines.empty()) {
        for (const auto& line : lines) (void)adf::IsKeyLineOf(line, lines.front());
    }
    return 0;
}
