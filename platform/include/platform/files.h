// File operations on Windows paths (see paths.h): copy, delete, create folder, size,
// modification time, the temporary folder, whole-file reads, atomic replace and append,
// and a read-only view of a whole file.
#pragma once

#include <cstddef>
#include <cstdint>
#include <ctime>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>

#include "platform/export.h"

namespace platform {

// Copies a file's bytes. With failIfExists an existing target is left alone and the copy
// fails; otherwise it is replaced as ReplaceFileBytes replaces a file: a reader sees the
// old file or the whole copy, the target keeps its mode and owner (a new one gets the
// source's mode), and a read-only target or a folder is not replaced. On any failure the
// old target stays as it was and errno tells why.
PLATFORM_API bool CopyFile(const std::string& from, const std::string& to, bool failIfExists);
// Deletes a file; a folder or a read-only file is not deleted (errno tells why).
PLATFORM_API bool DeleteFile(const std::string& windowsPath);

// What keeps the suite's writers from replacing or deleting a file, for a change of
// several files that checks each before it touches any.
enum class ReplaceObstacle {
    None,            // the file can be replaced, or there is none
    ReadOnly,        // the file is read-only
    Folder,          // a folder has the file's name
    FolderReadOnly,  // the folder that holds the file cannot be written
};
PLATFORM_API ReplaceObstacle ObstacleToReplacing(const std::string& windowsPath);
// Creates the folder and any missing parents; an existing folder counts as success. On
// failure errno tells why.
PLATFORM_API bool CreateDirectory(const std::string& windowsPath);

// The temporary folder as a path ending in a backslash, created on demand. It is
// QUILLET_TEMP when set (a Windows path such as "D:\Scratch" or a host folder such as
// "/tmp/quillet"), else "C:\Temp\".
PLATFORM_API std::string TempFolder();

// Whole-file bytes of a Windows path; false when the file cannot be read.
PLATFORM_API bool ReadFileBytes(const std::string& windowsPath, std::string& bytes);
// The same for a host path, for readers that resolve a folder once and take the names a
// search found in it.
PLATFORM_API bool ReadHostFileBytes(const std::filesystem::path& hostPath, std::string& bytes);
// Replaces a file's content so that a reader sees the old file or the new one, never half
// of it (a temporary file beside it, fsync, rename). A symbolic link is followed and
// stays; the file keeps its mode and owner. A read-only file is not replaced; on any
// failure the old file stays as it was and errno tells why. A writer killed on the way
// leaves nothing that outlives it.
PLATFORM_API bool ReplaceFileBytes(const std::string& windowsPath, std::string_view bytes);
// The same for a host path, for tools whose arguments name host folders.
PLATFORM_API bool ReplaceHostFileBytes(const std::filesystem::path& hostPath, std::string_view bytes);
// Appends to an existing file, all or nothing: when the bytes cannot all be written the
// file is cut back to its old length. A missing or read-only file fails (errno tells why).
PLATFORM_API bool AppendFileBytes(const std::string& windowsPath, std::string_view bytes);

PLATFORM_API std::optional<uint64_t> FileSize(const std::string& windowsPath);
PLATFORM_API std::optional<std::time_t> ModificationTime(const std::string& windowsPath);

// A file read by parts at their offsets, for readers that take a large file on several
// threads at once without holding it whole. A part past the end reads shorter, so a file
// cut short while it is read never faults its reader.
class PLATFORM_API FileAtOffsets {
public:
    FileAtOffsets() = default;
    ~FileAtOffsets();
    FileAtOffsets(const FileAtOffsets&) = delete;
    FileAtOffsets& operator=(const FileAtOffsets&) = delete;

    // Opens a regular file; false for a missing or unreadable file and for a folder.
    bool Open(const std::string& windowsPath);
    // Its size when it was opened.
    uint64_t size() const { return size_; }
    // Reads up to length bytes from offset into out and returns how many it read: fewer
    // at the end of the file, none past it or on an error. Threads may read at once.
    size_t ReadAt(uint64_t offset, char* out, size_t length) const;

private:
    int fd_ = -1;
    uint64_t size_ = 0;
};

// A whole file's bytes as a read-only view of the file gives them. They are read into
// memory when the file is opened, so a file that is cut short or rewritten while it is
// in use can never fault its reader: it reads as it was when opened, or shorter. An empty
// file opens as empty; a missing or unreadable file fails to open.
class PLATFORM_API MappedFile {
public:
    MappedFile() = default;
    ~MappedFile() = default;
    MappedFile(MappedFile&& other) noexcept;
    MappedFile& operator=(MappedFile&& other) noexcept;
    MappedFile(const MappedFile&) = delete;
    MappedFile& operator=(const MappedFile&) = delete;

    bool Open(const std::string& windowsPath);
    // The same, the bytes read into the memory of storage (what it holds is dropped), so
    // that a reader of many files reuses memory in place of fresh pages for each.
    bool Open(const std::string& windowsPath, std::string storage);
    // Releases the bytes; always succeeds (kept for the callers that check it). With
    // storage given, their memory is handed there, emptied, for a later Open.
    bool Close(std::string* storage = nullptr);
    bool IsOpen() const { return open_; }

    const std::byte* data() const { return reinterpret_cast<const std::byte*>(bytes_.data()); }
    size_t size() const { return bytes_.size(); }
    std::string_view text() const { return bytes_; }

private:
    std::string bytes_;
    bool open_ = false;
};

}  // namespace platform
