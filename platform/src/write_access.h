// Writing host files the way the suite's target system allows it: a file without its
// owner's write bit is read-only, whoever the writer is.
#pragma once

#include <filesystem>
#include <string_view>

namespace platform {

// True when the file exists and is read-only; sets errno to EACCES then.
bool IsReadOnlyFile(const std::filesystem::path& host);

// open(2) of an existing or new file for writing, refused for a read-only one.
int OpenForWriting(const std::filesystem::path& host, int flags);

// Writes every byte, going on after short writes; false on the first error (errno).
bool WriteAllBytes(int fd, std::string_view bytes);

// Copies what is left to read of one file into another; false on the first error (errno).
bool CopyAllBytes(int from, int to);

}  // namespace platform
