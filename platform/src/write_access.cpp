#include "write_access.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

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

}  // namespace platform
