// Any bytes as a compressed stream; the first two bytes choose the output capacity.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <vector>

#include "jm_decompress.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size < 2) return 0;
    const int capacity = data[0] | (data[1] << 8);
    std::vector<std::uint8_t> out(static_cast<std::size_t>(capacity));
    const int n = DecompressJmBlock(data + 2, static_cast<int>(size - 2), out.data(), capacity);
    if (n > capacity) std::abort();
    return 0;
}
