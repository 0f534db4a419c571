#include "wx/startup_file.h"

#include "wx/wx_file.h"

namespace wx {

StartupFile PrepareStartupFile(const std::string& path) {
    StartupFile result;
    WxBytes bytes;
    const WxError load = LoadFile(path, bytes);
    result.existed = load != WxError::NoFile;
    if (load != WxError::None && load != WxError::NoFile) {
        result.error = load;
        return result;
    }
    if (!bytes.empty()) {
        // A damaged file is left for the user to deal with, not overwritten.
        result.error = WalkRecords(bytes).error;
        return result;
    }
    result.error = CreateGlobalFile(path);
    result.created = result.error == WxError::None;
    return result;
}

}  // namespace wx
