// An exclusive lock held on a lock file for the object's lifetime (flock), shared by
// every thread and program that opens the same file.
#pragma once

#include <filesystem>

namespace platform {

class FileLock {
public:
    explicit FileLock(const std::filesystem::path& lockFile);
    ~FileLock();
    FileLock(const FileLock&) = delete;
    FileLock& operator=(const FileLock&) = delete;

    bool locked() const { return fd_ >= 0; }

private:
    int fd_ = -1;
};

}  // namespace platform
