#include "world_files.h"

#include <cstdio>
#include <cstdlib>
#include <system_error>

#include <fcntl.h>
#include <unistd.h>

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

size_t ReadFilesPlainly(const std::vector<std::filesystem::path>& paths, std::vector<char>& buffer) {
    constexpr size_t kChunk = 1 << 20;
    size_t total = 0;
    for (const std::filesystem::path& path : paths) {
        const int fd = ::open(path.c_str(), O_RDONLY);
        if (fd < 0) {
            std::fprintf(stderr, "could not open %s\n", path.c_str());
            std::exit(EXIT_FAILURE);
        }
        size_t size = 0;
        for (;;) {
            if (buffer.size() < size + kChunk) buffer.resize(size + kChunk);
            const ssize_t got = ::read(fd, buffer.data() + size, kChunk);
            if (got <= 0) break;
            size += static_cast<size_t>(got);
        }
        ::close(fd);
        total += size;
    }
    return total;
}

}  // namespace bench
