// The plane file on any text: the first line names the plane; saving it over the text
// and reading it back gives the values saved.
#include <cstddef>
#include <cstdint>
#include <string>

#include "adf/plane_file.h"

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    const std::string text(reinterpret_cast<const char*>(data), size);
    const size_t end = text.find('\n');
    const std::string name = text.substr(0, end == std::string::npos ? 0 : end);
    adf::PlanePerformance plane = adf::ReadPlaneBlock(text, name);
    plane.vs = static_cast<int>(size);
    if (adf::ReadPlaneBlock(adf::PlaneFileText(text, plane), name) != plane) __builtin_trap();
    return 0;
}
