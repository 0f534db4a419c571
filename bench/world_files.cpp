#include "world_files.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include "platform/files.h"

namespace bench {

void WriteWorldFile(const std::filesystem::path& path, std::string_view bytes) {
    std::error_code error;
    std::filesystem::create_directories(path.parent_path(), error);
    if (error || !platform::ReplaceHostFileBytes(path, bytes)) {
        std::fprintf(stderr, "could not write %s\n", path.c_str());
        std::exit(EXIT_FAILURE);
    }
}

}  // namespace bench
