// Replacing several files as one change: each new content is written to a temporary
// beside its target, and only when every one is written are they renamed over their
// targets, so a file that cannot be written leaves every target as it was. Each target
// keeps its mode and owner, as with ReplaceFileBytes (files.h).
#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "platform/export.h"

namespace platform {

struct FileReplacement {
    std::string windowsPath;
    std::string_view bytes;
};

// False on the first failure, with its index in failedIndex (when given) and errno
// telling why. A failed rename, rare once all are written, leaves the files before it
// replaced.
PLATFORM_API bool ReplaceFilesTogether(const std::vector<FileReplacement>& files, std::size_t* failedIndex = nullptr);

}  // namespace platform
