// Writing the files of a generated world for the benchmarks that load or draw one.
#pragma once

#include <cstddef>
#include <filesystem>
#include <string_view>
#include <vector>

namespace bench {

// Writes the host file, making its folders; a failure ends the benchmark with a message,
// so that no benchmark measures a world that was not written.
void WriteWorldFile(const std::filesystem::path& path, std::string_view bytes);

// Reads each host file whole with open(2) and read(2) into buffer, which keeps its size
// from call to call; returns the bytes read in all. A file that cannot be read ends the
// benchmark with a message.
size_t ReadFilesPlainly(const std::vector<std::filesystem::path>& paths, std::vector<char>& buffer);

}  // namespace bench
