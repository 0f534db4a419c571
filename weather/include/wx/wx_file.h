// Reading and editing .wx files on disk. Each operation reads the whole file, works on
// an in-memory copy and replaces the file atomically (a temporary file beside it,
// renamed over it), so a failure part-way leaves the file as it was and nothing is
// ever read or written past its end. Paths are Windows paths.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <string>

#include "wx/wx_records.h"

namespace wx {

// The whole file; NoFile when it does not exist, NotAFile when a folder stands there.
WxError LoadFile(const std::string& path, WxBytes& bytes);
// Creates or replaces the file with bytes; NotAFile when a folder stands there,
// WriteFailed when an existing file is read-only or the replacement cannot be written.
WxError ReplaceFile(const std::string& path, const WxBytes& bytes);

// Reads record n; recordCount (when given) receives the number of records.
WxError ReadFileRecord(const std::string& path, size_t n, WxRecord& record, size_t* recordCount = nullptr);

// Loads an existing file, checks its records, applies edit and replaces the file.
WxError EditFile(const std::string& path, const std::function<WxError(WxBytes&)>& edit);

WxError WriteFileLayer(const std::string& path, size_t r, size_t position, bool insert, const WxLayer& layer);
WxError DeleteFileLayer(const std::string& path, size_t r, WxLayerKind kind, size_t position);
WxError DeleteFileRecord(const std::string& path, size_t r);
WxError SetFileIcaoIndex(const std::string& path, size_t r, int32_t icaoIndex);
WxError SetFilePressure(const std::string& path, size_t r, float pressure);
// Appends the editor's new record; a missing file is created.
WxError AppendFileRecord(const std::string& path, int32_t icaoIndex);
// Replaces the file, or creates it, with the editor's new global record alone.
WxError CreateGlobalFile(const std::string& path);

// A message for the user that names the file.
std::string ErrorText(WxError error, const std::string& path);

}  // namespace wx
