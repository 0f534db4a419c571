// Feeds arbitrary lines to the route part's reader. Whatever it makes of them, writing
// that and reading it back must write the same lines again.
#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "adf/route_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    std::vector<std::string> lines(1);
    for (size_t i = 0; i < size; ++i) {
        const char c = static_cast<char>(data[i]);
        if (c == '\n')
            lines.emplace_back();
        else
            lines.back() += c;
    }
    const std::vector<std::string> written = adf::WriteRouteFile(adf::ReadRouteFile(lines));
    if (adf::WriteRouteFile(adf::ReadRouteFile(written)) != written) __builtin_trap();
    return 0;
}
