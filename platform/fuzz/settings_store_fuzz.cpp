// Parses arbitrary bytes as a settings file; what was read, lines not understood
// included, must format and read back the same.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "platform/detail/registry_text.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    using namespace platform::detail;
    const ParsedRegistry first = ParseRegistryText(std::string_view(reinterpret_cast<const char*>(data), size));
    const ParsedRegistry second = ParseRegistryText(FormatRegistryText(first.document));
    if (!(second.document == first.document)) std::abort();
    return 0;
}
