// The wizard's reader on any text: what it reads, written and read again, writes the
// same definition.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "adf/adventure_definition.h"
#include "adf/route_file.h"

namespace {

std::vector<std::string> Lines(const uint8_t* data, size_t size) {
    std::string text(reinterpret_cast<const char*>(data), size);
    std::vector<std::string> lines;
    size_t start = 0;
    for (size_t i = 0; i <= text.size(); ++i) {
        if (i == text.size() || text[i] == '\n') {
            std::string line = text.substr(start, i - start);
            if (!line.empty() && line.back() == '\r') line.pop_back();
            lines.push_back(std::move(line));
            start = i + 1;
        }
    }
    return lines;
}

adf::WizardValues Read(std::vector<std::string> lines) {
    adf::Definition definition;
    definition.SetLines(std::move(lines));
    adf::WizardValues values;
    adf::ReadDefinition(definition, values);
    return values;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines = Lines(data, size);
    const std::vector<std::string> route = adf::WriteRouteFile(adf::ReadRouteFile(lines));
    const std::vector<std::string> first = adf::ComposeDefinition(Read(std::move(lines)), route, "C:\\Quillet\\");
    const std::vector<std::string> second = adf::ComposeDefinition(Read(first), route, "C:\\Quillet\\");
    if (first != second) __builtin_trap();
    return 0;
}
