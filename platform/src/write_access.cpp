#include "write_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <string>

namespace platform {

bool IsReadOnlyFile(const std::filesystem::path& host) {
    struct stat info {};
    if (::stat(host.c_str(), &info) != 0 || (info.st_mode & S_IWUSR) != 0) return false;
    errno = EACCES;
    return true;
}

int OpenForWriting(const std::filesystem::path& host, int flags) {
    if (IsReadOnlyFile(host)) return -1;
    return ::open(host.c_str(), flags | O_CLOEXEC, 0666);
}

bool WriteAllBytes(int fd, std::string_view bytes) {
    while (!bytes.empty()) {
        const ssize_t written = ::write(fd, bytes.data(), bytes.size());
        if (written < 0) {
            if (errno == EINTR) continue;
            return false;
        }
        bytes.remove_prefix(static_cast<size_t>(written));
    }
    return true;
}

bool CopyAllBytes(int from, int to) {
    constexpr size_t kChunk = 65536;
    std::string buffer(kChunk, '\0');
    for (;;) {
        const ssize_t got = ::read(from, buffer.data(), buffer.size());
        if (got < 0 && errno == EINTR) continue;
        if (got < 0) return false;
        if (got == 0) return true;
        if (!WriteAllBytes(to, std::string_view(buffer.data(), static_cast<size_t>(got)))) return false;
    }
}

}  // namespace platform
