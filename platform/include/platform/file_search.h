// File search with the Windows wildcard rules: "*" matches any run of characters, "?" any
// one character, a pattern ending in ".*" also matches names without a dot (so "*.*"
// matches every name), and letters match without regard to case. "." and ".." are never
// found. Results come sorted by name without regard to case, ties in byte order, so a
// search lists the same folder the same way every time.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/export.h"

namespace platform {

struct FoundFile {
    std::string name;  // as on disk, without its folder
    bool isFolder = false;
    uint64_t size = 0;  // 0 for folders
};

PLATFORM_API bool MatchesWildcard(const std::string& pattern, const std::string& name);

// Every entry of the pattern's folder whose name matches its last component, e.g.
// "C:\Quillet\Map\*.tmp". A missing folder gives no entries.
PLATFORM_API std::vector<FoundFile> FindFiles(const std::string& windowsPattern);

// The file or folder at an exact path (components matched without regard to case).
PLATFORM_API std::optional<FoundFile> FindFile(const std::string& windowsPath);
PLATFORM_API bool FileExists(const std::string& windowsPath);

}  // namespace platform
