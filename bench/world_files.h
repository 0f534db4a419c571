// Writing the files of a generated world for the benchmarks that load or draw one.
#pragma once

#include <filesystem>
#include <string_view>

namespace bench {

// Writes the host file, making its folders; a failure ends the benchmark with a message,
// so that no benchmark measures a world that was not written.
void WriteWorldFile(const std::filesystem::path& path, std::string_view bytes);

}  // namespace bench
