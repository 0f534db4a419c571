#include "platform/shared_memory.h"

#include <fcntl.h>
#include <sys/mman.h>
#include <sys/stat.h>
#include <unistd.h>

#include <utility>

#include "window_registry.h"

namespace platform {
namespace {

std::string HostName(const std::string& name) {
    std::string host = "/quillet-" + detail::SessionTag() + "-";
    for (char c : name) host += (c == '/') ? '_' : c;
    return host;
}

unsigned long long InodeOf(int fd) {
    struct stat info {};
    return ::fstat(fd, &info) == 0 ? static_cast<unsigned long long>(info.st_ino) : 0;
}

}  // namespace

SharedMemory::~SharedMemory() { Close(); }

SharedMemory::SharedMemory(SharedMemory&& other) noexcept
    : name_(std::move(other.name_)),
      data_(std::exchange(other.data_, nullptr)),
      size_(std::exchange(other.size_, 0)),
      inode_(std::exchange(other.inode_, 0)) {}

SharedMemory& SharedMemory::operator=(SharedMemory&& other) noexcept {
    if (this != &other) {
        Close();
        name_ = std::move(other.name_);
        data_ = std::exchange(other.data_, nullptr);
        size_ = std::exchange(other.size_, 0);
        inode_ = std::exchange(other.inode_, 0);
    }
    return *this;
}

bool SharedMemory::Map(int fd, std::size_t size) {
    void* view = ::mmap(nullptr, size, PROT_READ | PROT_WRITE, MAP_SHARED, fd, 0);
    if (view == MAP_FAILED) return false;
    data_ = view;
    size_ = size;
    inode_ = InodeOf(fd);
    return true;
}

SharedMemory::CreateStatus SharedMemory::Create(const std::string& name, std::size_t size) {
    Close();
    if (size == 0) return CreateStatus::NameFailed;
    const int fd = ::shm_open(HostName(name).c_str(), O_RDWR | O_CREAT | O_CLOEXEC, S_IRUSR | S_IWUSR);
    if (fd < 0) return CreateStatus::NameFailed;
    struct stat info {};
    // A block left by an earlier owner is taken over, at least as large as asked for.
    const bool sized = ::fstat(fd, &info) == 0 && (static_cast<std::size_t>(info.st_size) >= size ||
                                                   ::ftruncate(fd, static_cast<off_t>(size)) == 0);
    const bool mapped = sized && Map(fd, size);
    ::close(fd);
    if (mapped) name_ = name;
    return mapped ? CreateStatus::Created : CreateStatus::MapFailed;
}

bool SharedMemory::Open(const std::string& name) {
    Close();
    const int fd = ::shm_open(HostName(name).c_str(), O_RDWR | O_CLOEXEC, 0);
    if (fd < 0) return false;
    struct stat info {};
    const bool mapped = ::fstat(fd, &info) == 0 && info.st_size > 0 && Map(fd, static_cast<std::size_t>(info.st_size));
    ::close(fd);
    if (mapped) name_ = name;
    return mapped;
}

void SharedMemory::Close() {
    if (data_ != nullptr) ::munmap(data_, size_);
    data_ = nullptr;
    size_ = 0;
    inode_ = 0;
    name_.clear();
}

bool SharedMemory::IsCurrent() const {
    if (data_ == nullptr) return false;
    const int fd = ::shm_open(HostName(name_).c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) return false;
    const bool same = InodeOf(fd) == inode_;
    ::close(fd);
    return same;
}

bool SharedMemory::Remove(const std::string& name) { return ::shm_unlink(HostName(name).c_str()) == 0; }

bool SharedMemory::Exists(const std::string& name) {
    const int fd = ::shm_open(HostName(name).c_str(), O_RDONLY | O_CLOEXEC, 0);
    if (fd < 0) return false;
    ::close(fd);
    return true;
}

}  // namespace platform
