#include "wx/wx_file.h"

#include <system_error>

#include <cstring>

#include "platform/files.h"
#include "platform/paths.h"

namespace wx {
namespace {

// NoFile when nothing is at the path, NotAFile when a folder or the like is.
WxError FileAt(const std::string& path) {
    if (path.empty()) return WxError::NoFile;
    std::error_code error;
    const std::filesystem::file_status status = std::filesystem::status(platform::HostPath(path), error);
    if (!std::filesystem::exists(status)) return WxError::NoFile;
    return std::filesystem::is_regular_file(status) ? WxError::None : WxError::NotAFile;
}

}  // namespace

WxError LoadFile(const std::string& path, WxBytes& bytes) {
    if (WxError error = FileAt(path); error != WxError::None) return error;
    std::string text;
    if (!platform::ReadFileBytes(path, text)) return WxError::Unreadable;
    bytes.resize(text.size());
    if (!text.empty()) std::memcpy(bytes.data(), text.data(), text.size());
    return WxError::None;
}

WxError ReplaceFile(const std::string& path, const WxBytes& bytes) {
    if (path.empty()) return WxError::NoFile;
    if (FileAt(path) == WxError::NotAFile) return WxError::NotAFile;
    const std::string_view text(reinterpret_cast<const char*>(bytes.data()), bytes.size());
    return platform::ReplaceFileBytes(path, text) ? WxError::None : WxError::WriteFailed;
}

WxError ReadFileRecord(const std::string& path, size_t n, WxRecord& record, size_t* recordCount) {
    WxBytes bytes;
    if (WxError error = LoadFile(path, bytes); error != WxError::None) return error;
    if (recordCount) {
        const WxWalk walk = WalkRecords(bytes);
        *recordCount = walk.records.size();
    }
    return ReadRecord(bytes, n, record);
}

WxError EditFile(const std::string& path, const std::function<WxError(WxBytes&)>& edit) {
    WxBytes bytes;
    if (WxError error = LoadFile(path, bytes); error != WxError::None) return error;
    if (WxError error = edit(bytes); error != WxError::None) return error;
    return ReplaceFile(path, bytes);
}

WxError WriteFileLayer(const std::string& path, size_t r, size_t position, bool insert, const WxLayer& layer) {
    return EditFile(path, [&](WxBytes& bytes) { return WriteLayer(bytes, r, position, insert, layer); });
}

WxError DeleteFileLayer(const std::string& path, size_t r, WxLayerKind kind, size_t position) {
    return EditFile(path, [&](WxBytes& bytes) { return DeleteLayer(bytes, r, kind, position); });
}

WxError DeleteFileRecord(const std::string& path, size_t r) {
    return EditFile(path, [&](WxBytes& bytes) { return DeleteRecord(bytes, r); });
}

WxError SetFileIcaoIndex(const std::string& path, size_t r, int32_t icaoIndex) {
    return EditFile(path, [&](WxBytes& bytes) { return SetIcaoIndex(bytes, r, icaoIndex); });
}

WxError SetFilePressure(const std::string& path, size_t r, float pressure) {
    return EditFile(path, [&](WxBytes& bytes) { return SetPressure(bytes, r, pressure); });
}

WxError AppendFileRecord(const std::string& path, int32_t icaoIndex) {
    WxBytes bytes;
    if (WxError error = LoadFile(path, bytes); error != WxError::None && error != WxError::NoFile) return error;
    if (path.empty()) return WxError::NoFile;
    if (WxError error = AppendRecord(bytes, icaoIndex); error != WxError::None) return error;
    return ReplaceFile(path, bytes);
}

WxError CreateGlobalFile(const std::string& path) { return ReplaceFile(path, EncodeRecord(NewRecord(-1))); }

std::string ErrorText(WxError error, const std::string& path) {
    switch (error) {
        case WxError::None:
            return {};
        case WxError::NoFile:
            return "The weather file " + path + " could not be found.";
        case WxError::NotAFile:
            return path + " is not a file.\nPlease name a weather file.";
        case WxError::Unreadable:
            return "The weather file " + path + " could not be read.";
        case WxError::Damaged:
            return "The weather file " + path +
                   " is damaged: a record runs past the end of the file.\nThe file was not changed.";
        case WxError::NoSuchRecord:
            return "The weather file " + path + " has no such record.";
        case WxError::NoSuchLayer:
            return "The weather file " + path + " has no such layer.";
        case WxError::LastWindLayer:
            return "A weather record needs at least one wind layer.";
        case WxError::GlobalRecord:
            return "The global weather of " + path + " cannot be deleted.";
        case WxError::WriteFailed:
            return "The weather file " + path +
                   " could not be written.\nPlease ensure that the file is not write protected.";
    }
    return {};
}

}  // namespace wx
