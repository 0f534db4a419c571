// Text files in the platform's text mode: every LF written becomes CR LF on disk,
// reading drops the line end (LF or CR LF), and Tell/Seek count the file's bytes.
// Paths are Windows paths (see paths.h).
#pragma once

#include <cstdint>
#include <cstdio>
#include <string>
#include <vector>

#include "platform/export.h"

namespace platform {

class PLATFORM_API TextFile {
public:
    enum class Mode { Read, Write, Append, ReadWrite };

    TextFile() = default;
    ~TextFile();
    TextFile(const TextFile&) = delete;
    TextFile& operator=(const TextFile&) = delete;

    // Write creates or truncates; Append creates or appends; ReadWrite opens an existing file.
    // A read-only file (no owner write bit) opens for reading only.
    bool Open(const std::string& windowsPath, Mode mode);
    bool IsOpen() const { return file_ != nullptr; }
    // False when buffered text could not be written out.
    bool Close();

    // Reads one line without its line end; false at the end of the file.
    bool ReadString(std::string& line);
    // Writes text, turning each LF into CR LF.
    bool WriteString(const std::string& text);
    // Writes text followed by CR LF.
    bool WriteLine(const std::string& text);

    int64_t Tell() const;
    bool Seek(int64_t offset);  // from the start of the file
    int64_t Length() const;

private:
    std::FILE* file_ = nullptr;
};

// Whole-file helpers. ReadLines drops line ends; WriteLines writes each line with CR LF,
// and ReplaceText the text with each LF as CR LF, to a temporary file beside the target
// renamed over it when complete (see ReplaceFileBytes in files.h: on failure the old file
// stays and errno tells why).
PLATFORM_API bool ReadLines(const std::string& windowsPath, std::vector<std::string>& lines);
PLATFORM_API bool WriteLines(const std::string& windowsPath, const std::vector<std::string>& lines);
PLATFORM_API bool ReplaceText(const std::string& windowsPath, const std::string& text);

}  // namespace platform
