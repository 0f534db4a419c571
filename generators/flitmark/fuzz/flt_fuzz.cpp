// Runs the flight file edits on arbitrary text: the input's first part is the flight
// file, the rest the definition whose edits are planned and applied to it; a few more
// edits take their section, key and value from the input's first lines.
#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <string>
#include <string_view>
#include <vector>

#include "adf/definition.h"
#include "flt_edits.h"
#include "flt_text.h"

namespace {

std::vector<std::string> SplitLines(std::string_view text) {
    std::vector<std::string> lines;
    size_t start = 0;
    while (start <= text.size()) {
        const size_t end = std::min(text.find('\n', start), text.size());
        lines.emplace_back(text.substr(start, end - start));
        start = end + 1;
    }
    return lines;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string_view input(reinterpret_cast<const char*>(data), size);
    // A form feed separates the flight file from the definition.
    const size_t split = input.find('\f');
    std::vector<std::string> flt = SplitLines(input.substr(0, split));
    adf::Definition definition;
    definition.SetLines(split == std::string_view::npos ? std::vector<std::string>{}
                                                        : SplitLines(input.substr(split + 1)));

    const std::vector<std::string> waypoints(flt.begin(), flt.begin() + std::min<size_t>(flt.size(), 3));
    for (const flitmark::FltEdit& edit : flitmark::PlanFltEdits(definition, &waypoints, 2002))
        flitmark::SetFltValue(flt, edit.section, edit.key, edit.value);
    if (flt.size() >= 3) flitmark::SetFltValue(flt, flt[0], flt[1], flt[2]);
    std::string ndb;
    flitmark::FindNdbLine(definition, ndb);
    return 0;
}
