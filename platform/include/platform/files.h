// File operations on Windows paths (see paths.h): copy, delete, create folder, size,
// modification time, the temporary folder, and a read-only mapping of a whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <optional>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace platform {

// Copies a file's bytes. With failIfExists an existing target is left alone and the copy
// fails; otherwise it is overwritten.
PLATFORM_API bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
PLATFORM_API bool DeleteFile(const std::string& windowsPath);
// Creates the folder and any missing parents; an existing folder counts as success.
PLATFORM_API bool CreateDirectory(const std::string& windowsPath);

// The temporary folder as a path ending in a backslash, created on demand. It is
// QUILLET_TEMP when set (a Windows path such as "D:\Scratch" or a host folder such as
// "/tmp/quillet"), else "C:\Temp\".
PLATFORM_API std::string TempFolder();

// Whole-file bytes of a Windows path; false when the file cannot be read.
PLATFORM_API bool ReadFileBytes(const std::string& windowsPath, std::string& bytes);
// Replaces a file's content so that a reader sees the old file or the new one, never half
// of it (a temporary file beside it, fsync, rename). A read-only file is not replaced;
// on any failure the old file stays as it was.
PLATFORM_API bool ReplaceFileBytes(const std::string& windowsPath, std::string_view bytes);

PLATFORM_API std::optional<uint64_t> FileSize(const std::string& windowsPath);
PLATFORM_API std::optional<std::time_t> ModificationTime(const std::string& windowsPath);

// A whole file mapped read-only. An empty file maps as empty; a missing or unreadable file
// fails to open.
class PLATFORM_API MappedFile {
public:
    MappedFile() = default;
    ~MappedFile();
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool Open(const std::string& windowsPath);
    // Releases the view; false when the system refused to unmap it.
    bool Close();
    bool IsOpen() const { return open_; }

    const std::byte* data() const { return static_cast<const std::byte*>(data_); }
    size_t size() const { return size_; }
    std::string_view text() const { return {static_cast<const char*>(data_), size_}; }

private:
    void* data_ = nullptr;  // nullptr when empty
    size_t size_ = 0;
    bool open_ = false;
};

}  // namespace platform
