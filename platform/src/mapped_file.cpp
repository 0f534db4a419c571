#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "platform/files.h"
#include "platform/paths.h"

namespace platform {

MappedFile::~MappedFile() { Close(); }

MappedFile::MappedFile(MappedFile&& other) noexcept
    : data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      open_(std::exchange(other.open_, false)) {}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        Close();
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        open_ = std::exchange(other.open_, false);
    }
    return *this;
}

bool MappedFile::Open(const std::string& windowsPath) {
    Close();
    const int fd = ::open(HostPath(windowsPath).c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) return false;
    struct stat info {};
    bool ok = ::fstat(fd, &info) == 0 && S_ISREG(info.st_mode);
    if (ok && info.st_size > 0) {
        void* mapped = ::mmap(nullptr, static_cast<size_t>(info.st_size), PROT_READ, MAP_PRIVATE, fd, 0);
        ok = mapped != MAP_FAILED;
        if (ok) {
            data_ = mapped;
            size_ = static_cast<size_t>(info.st_size);
        }
    }
    ::close(fd);
    open_ = ok;
    return ok;
}

bool MappedFile::Close() {
    const bool unmapped = data_ == nullptr || ::munmap(data_, size_) == 0;
    data_ = nullptr;
    size_ = 0;
    open_ = false;
    return unmapped;
}

}  // namespace platform
