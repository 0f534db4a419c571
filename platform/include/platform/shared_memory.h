// Named blocks of shared memory between processes of this user. Names are kept apart
// per windows folder (windows.h), so programs started with different folders, as tests
// do, never share a block by accident.
#pragma once

#include <cstddef>
#include <string>
#include <utility>

#include "platform/export.h"

namespace platform {

class PLATFORM_API SharedMemory {
public:
    SharedMemory() = default;
    ~SharedMemory();  // unmaps; the named block stays until Remove
    SharedMemory(SharedMemory&& other) noexcept;
    SharedMemory& operator=(SharedMemory&& other) noexcept;
    SharedMemory(const SharedMemory&) = delete;
    SharedMemory& operator=(const SharedMemory&) = delete;

    enum class CreateStatus { Created, NameFailed, MapFailed };
    // Creates the block (or takes an existing one) with the size, maps it read-write.
    CreateStatus Create(const std::string& name, std::size_t size);
    // Maps an existing block whole; false when there is none.
    bool Open(const std::string& name);
    void Close();

    bool IsOpen() const { return data_ != nullptr; }
    // The name still stands for the mapped block (it was not removed and made anew).
    bool IsCurrent() const;
    void* data() const { return data_; }
    std::size_t size() const { return size_; }

    // Removes the name; mappings already made stay valid.
    static bool Remove(const std::string& name);
    static bool Exists(const std::string& name);

private:
    bool Map(int fd, std::size_t size);

    std::string name_;
    void* data_ = nullptr;
    std::size_t size_ = 0;
    unsigned long long inode_ = 0;
};

}  // namespace platform
