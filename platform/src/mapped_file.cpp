#include <utility>

#include "atomic_replace.h"
#include "platform/files.h"
#include "platform/paths.h"

namespace platform {

MappedFile::MappedFile(MappedFile&& other) noexcept
    : bytes_(std::move(other.bytes_)), open_(std::exchange(other.open_, false)) {
    other.bytes_.clear();
}

MappedFile& MappedFile::operator=(MappedFile&& other) noexcept {
    if (this != &other) {
        bytes_ = std::move(other.bytes_);
        other.bytes_.clear();
        open_ = std::exchange(other.open_, false);
    }
    return *this;
}

bool MappedFile::Open(const std::string& windowsPath) { return Open(windowsPath, std::string()); }

// Read, not mapped: the pages of a mapping vanish when the file is cut short, and
// touching one then kills the reader.
bool MappedFile::Open(const std::string& windowsPath, std::string storage) {
    Close();
    bytes_ = std::move(storage);
    const std::filesystem::path host = HostPath(windowsPath);
    std::error_code error;
    open_ = std::filesystem::is_regular_file(host, error) && ReadWholeFile(host, bytes_);
    if (!open_) bytes_.clear();
    return open_;
}

bool MappedFile::Close(std::string* storage) {
    if (storage != nullptr) {
        *storage = std::move(bytes_);
        storage->clear();
        bytes_.clear();
    } else {
        std::string().swap(bytes_);
    }
    open_ = false;
    return true;
}

}  // namespace platform
