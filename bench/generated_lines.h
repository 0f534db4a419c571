// Record lines made up for the benchmark, kept as one block of terminated lines.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

namespace bench {

struct LineBlock {
    std::string bytes;                // every line followed by its terminator
    std::vector<std::size_t> starts;  // offset of each line in bytes

    const char* line(std::size_t i) const { return bytes.data() + starts[i]; }
};

LineBlock GenerateAirportLines(std::size_t count);
LineBlock GenerateNavaidLines(std::size_t count);

}  // namespace bench
