#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

#include "platform/files.h"
#include "platform/paths.h"

namespace platform {

FileAtOffsets::~FileAtOffsets() {
    if (fd_ >= 0) ::close(fd_);
}

bool FileAtOffsets::Open(const std::string& windowsPath) {
    if (fd_ >= 0) ::close(fd_);
    fd_ = ::open(HostPath(windowsPath).c_str(), O_RDONLY | O_CLOEXEC);
    struct stat info {};
    if (fd_ >= 0 && (::fstat(fd_, &info) != 0 || !S_ISREG(info.st_mode))) {
        ::close(fd_);
        fd_ = -1;
    }
    size_ = fd_ >= 0 ? static_cast<uint64_t>(info.st_size) : 0;
    return fd_ >= 0;
}

size_t FileAtOffsets::ReadAt(uint64_t offset, char* out, size_t length) const {
    size_t have = 0;
    while (fd_ >= 0 && have < length) {
        const ssize_t got = ::pread(fd_, out + have, length - have, static_cast<off_t>(offset + have));
        if (got < 0 && errno == EINTR) continue;
        if (got <= 0) break;
        have += static_cast<size_t>(got);
    }
    return have;
}

}  // namespace platform
